// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "platform/TextServices.h"
#include "records/PersonRecord.h"

// One line of the reminder list; the row refers to its record, it does not own it.
struct ReminderRow {
    std::string text;  // one leading blank, then the sentence
    int icon = 0;
    PersonRecord* record = nullptr;
};

// Whether the record's next occurrence is to be reminded today.
bool IsDue(const PersonRecord& record);

// The sentence for a due record ("Anna will be 30 on Friday 12/05/06 (in 3 days)").
std::string ComposeReminderText(const PersonRecord& record, const std::string& dateFormat,
                                const TextServices& text);

// The due records' rows in the order shown: nearest first; on the same day a record later in
// the list stands above an earlier one.
std::vector<ReminderRow> SelectDueRows(const RecordList& records, const std::string& dateFormat,
                                       const TextServices& text);
