// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AddressBookCopy.h"

// The calendar on a CalDAV server that the dates are published to, as this program left it: so
// that a sync sends only what changed and changes or deletes only the events it published,
// never one of the user's own in the same calendar.

struct PublishedEvent {
    std::string uid;
    std::string href;        // its path on the server
    std::string etag;        // as the server gave it for what was sent; empty: not known
    std::uint64_t hash = 0;  // of what was sent (CalendarEvent::hash)
};

// Its lastSync and lastError are the last publish's.
struct PublishedCalendar : ServerAccount {
    std::vector<PublishedEvent> events;
};

// $XDG_DATA_HOME/ovrana/calendar (or under $HOME/.local/share); empty when neither is usable.
std::string PublishedCalendarPath();

// Missing: nothing is published; Unreadable: damaged or not such a file.
LoadStatus ReadPublished(const std::string& path, PublishedCalendar& calendar);

// Replaces the file whole, making the folder when needed. Returns 0 or the errno of the failure.
int WritePublished(const std::string& path, const PublishedCalendar& calendar);
