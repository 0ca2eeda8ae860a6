// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/TextServices.h"
#include "records/PersonRecord.h"

// One line of the reminder list; the row refers to its record, it does not own it.
struct ReminderRow {
    std::string text;  // one leading blank, then the sentence
    int icon = 0;
    PersonRecord* record = nullptr;
    int year = 0;  // the occurrence's, which silencing the row skips
};

// Whether the record's next occurrence is to be reminded today.
bool IsDue(const PersonRecord& record);

// The sentence for a due record ("Anna will be 30 on Friday 12/05/06 (in 3 days)").
std::string ComposeReminderText(const PersonRecord& record, const std::string& dateFormat,
                                const TextServices& text);

// With the option on, how many days ago the record's date fell when the user missed it: after the
// last run's day, before today and at most 30 days back, neither info only nor silenced. 0: no
// date missed, or no last run to count from.
int MissedDaysAgo(const PersonRecord& record, const AppSettings& settings);

// Whether the run shows the record: due or missed, and not put off until tomorrow.
bool IsShown(const PersonRecord& record, const AppSettings& settings);

// The due records' rows in the order shown: nearest first; on the same day a record later in
// the list stands above an earlier one.
std::vector<ReminderRow> SelectDueRows(const RecordList& records, const std::string& dateFormat,
                                       const TextServices& text);
// A run's rows: the missed dates first, the most recent first ("Anna turned 30 yesterday"), then
// the due ones; records put off until tomorrow left out.
std::vector<ReminderRow> SelectDueRows(const RecordList& records, const AppSettings& settings,
                                       const TextServices& text);
