// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "Problem.h"
#include "records/PersonRecord.h"

// What a person reads in the calendar; "%1" stands for the name or the year. The caller passes
// them translated.
struct CalendarTexts {
    std::string birthday = "%1's birthday";  // a birthday's title; an event's is its name
    std::string born = "Born %1";            // a birthday's note when the year is known
    std::string since = "Since %1";          // an event's note when the year is known
};

struct CalendarExport {
    std::string text;   // the iCalendar file; empty when error is set
    std::string error;  // why libical failed
    explicit operator bool() const { return error.empty(); }
};

// The records as an iCalendar file: one all-day yearly event per record with a possible day and
// month, on the days the reminder counts (29 February falls on 1 March in common years), with a
// warning as many days ahead as the reminder would list it and without the silenced occurrence.
// An event keeps its UID from one export to the next while its name and date stay. `now` gives
// today's local date, where records without a year (or with one after 3000, which no date of
// the file may pass) start, and the time stamp.
CalendarExport ExportCalendar(const RecordList& records, std::time_t now,
                              const CalendarTexts& texts = {});

// One event of the export, as a calendar of its own: what a CalDAV server keeps per resource.
struct CalendarEvent {
    std::string uid;
    std::string text;
    std::uint64_t hash = 0;  // of the text without its time stamp: equal while nothing changed
};

// The events ExportCalendar makes of `records`, each with the same UID and content; returns
// libical's words when it failed, and then no events.
std::string ExportEvents(const RecordList& records, std::time_t now, const CalendarTexts& texts,
                         std::vector<CalendarEvent>& events);

// Writes `text` to `path` as WriteInto does, or to standard output when `path` is "-". Returns 0
// or the errno of the failure.
int WriteCalendar(const std::string& path, const std::string& text);

// The records to `target` ("-": standard output) as WriteCalendar writes them; never to the data
// file `dataPath` itself, its backup or its lock. Says why when nothing was written.
Problem ExportRecords(const RecordList& records, const std::string& dataPath,
                      const std::string& target, std::time_t now, const CalendarTexts& texts);

// The same for the records of the data file, read without a window, and the records `more`
// appends after them (the address books' dates), which alone make a missing data file no failure.
Problem ExportDataFile(const std::string& dataPath, const std::string& target, std::time_t now,
                       const CalendarTexts& texts,
                       const std::function<void(RecordList&)>& more = {});
