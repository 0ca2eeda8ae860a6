// SPDX-License-Identifier: MIT
#include "DueRecords.h"

#include <algorithm>

#include "model/Dates.h"
#include "model/DisplayText.h"

namespace {
constexpr int kMaxDaysAhead = 365;
}

bool IsDue(const PersonRecord& record) {
    return !record.infoOnly && record.day != 0 && record.month != 0 && record.daysUntil >= 0 &&
           record.daysUntil <= kMaxDaysAhead && record.daysUntil <= record.daysInAdvance &&
           record.nextYear != record.skipYear;
}

std::string ComposeReminderText(const PersonRecord& record, const std::string& dateFormat,
                                const TextServices& text) {
    // A birthday without a year has no age to tell, so it reads like an event.
    const bool withAge = record.notABirthday == 0 && record.year != 0;
    const std::string age = std::to_string(record.age);
    if (record.daysUntil <= 1) {
        // Today's and tomorrow's sentences keep the name as it is written.
        std::string sentence = IsolateBidi(record.name);
        if (withAge) {
            sentence.append(" is ").append(age);
        }
        sentence.append(record.daysUntil == 0 ? " today" : " tomorrow");
        return std::string(1, ' ').append(sentence);
    }
    const DayNumber date = MakeDay(record.nextYear, record.month, record.day);
    std::string sentence = IsolateBidi(text.UpperFirst(record.name));
    if (withAge) {
        sentence.append(" will be ").append(age);
    }
    sentence.append(" on ")
        .append(text.DayName(WeekdayOf(date)))
        .append(" ")
        .append(FormatDate(date, dateFormat))
        .append(" (in ")
        .append(std::to_string(record.daysUntil))
        .append(" days)");
    return std::string(1, ' ').append(sentence);
}

std::vector<ReminderRow> SelectDueRows(const RecordList& records, const std::string& dateFormat,
                                       const TextServices& text) {
    std::vector<PersonRecord*> due;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (IsDue(**it)) {
            due.push_back(it->get());
        }
    }
    // Reverse list order within a day comes from the reverse walk; the sort keeps it.
    std::stable_sort(due.begin(), due.end(), [](const PersonRecord* a, const PersonRecord* b) {
        return a->daysUntil < b->daysUntil;
    });
    std::vector<ReminderRow> rows;
    rows.reserve(due.size());
    for (PersonRecord* record : due) {
        rows.push_back({ComposeReminderText(*record, dateFormat, text), record->icon, record});
    }
    return rows;
}
