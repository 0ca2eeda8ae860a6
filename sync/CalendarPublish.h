// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "AddressBookSync.h"
#include "contacts/PublishedCalendar.h"
#include "formats/CalendarExport.h"

// Publishing the dates to a calendar on a CalDAV server: one event per date, written only when
// it changed, with If-Match / If-None-Match, and only the events this program published ever
// changed or deleted. Blocking calls with their own event loop, as AddressBookSync's.

// The calendar at `login.url`: that one when it is a calendar collection, else the user's
// calendar whose display name is `name`, found from the server's root or a principal
// (/.well-known/caldav, current-user-principal, calendar-home-set), else one made (MKCALENDAR)
// with that name. Sets `calendar`'s URL and display name.
SyncProblem FindCalendar(const DavLogin& login, const std::string& name,
                         PublishedCalendar& calendar);

struct PublishCounts {
    std::size_t added = 0;
    std::size_t changed = 0;  // sent again: changed here, or edited elsewhere and so replaced
    std::size_t removed = 0;
};

// Brings the calendar in step with `events`: new ones put where none is, changed ones and ones
// edited elsewhere put over the server's, ours no longer wanted deleted; one listing and nothing
// more when nothing changed. `calendar.events` says what the server holds of ours afterwards,
// also after a failure part way; `lastSync` or `lastError` as it ended.
SyncProblem PublishEvents(PublishedCalendar& calendar, const std::string& password,
                          const std::vector<CalendarEvent>& events, std::int64_t now,
                          PublishCounts& counts);

// Deletes every event of ours still in the calendar; `calendar.events` keeps those that were not.
SyncProblem UnpublishEvents(PublishedCalendar& calendar, const std::string& password);
