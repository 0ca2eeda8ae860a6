// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "records/Dates.h"
#include "records/PersonRecord.h"

// "Remind me again tomorrow": records put off for the rest of a day. They are the program's own
// state, not the user's data, so they live in a small file apart from the data file: one line
// per record, the day (YYYYMMDD), a blank and the record's key in hexadecimal.

// Names a record across runs: the data file's records have no id, so their name, day, month and
// kind; an address book's date its contact's UID and kind, which survive a renamed contact.
std::uint64_t SnoozeKey(const PersonRecord& record);

struct Snoozes {
    std::set<std::uint64_t> keys;  // put off on the day asked for
    bool stale = false;            // the file holds other days or damage: to be written anew
};

// The keys put off on `day`. A missing, damaged or over-long file puts off nothing.
Snoozes ReadSnoozes(const std::string& path, DayNumber day);

// Replaces the file whole with `keys` for `day` alone, so that past days go; with no keys the
// file goes. Makes its folder. Returns 0 or the errno of the failure.
int WriteSnoozes(const std::string& path, DayNumber day, const std::set<std::uint64_t>& keys);
