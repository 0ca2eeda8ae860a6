// SPDX-License-Identifier: MIT
#include "DueRecords.h"

#include <algorithm>

#include "records/Dates.h"
#include "text/DisplayText.h"

namespace {
constexpr int kMaxDaysAhead = 365;

// The age as the sentences say it: the bare number in English, with its own plural elsewhere
// ("30 Jahre", "21 год", "22 года").
std::string AgeText(int age, const TextServices& text) {
    return FillIn(text.Translate("Age", QT_TRANSLATE_N_NOOP("Age", "%n"), age), {}, age);
}

// A row's text: one leading blank, then the sentence.
std::string Row(const std::string& sentence) {
    return std::string(1, ' ').append(sentence);
}

}  // namespace

bool IsDue(const PersonRecord& record) {
    return !record.infoOnly && record.day != 0 && record.month != 0 && record.daysUntil >= 0 &&
           record.daysUntil <= kMaxDaysAhead && record.daysUntil <= record.daysInAdvance &&
           record.nextYear != record.skipYear;
}

std::string ComposeReminderText(const PersonRecord& record, const std::string& dateFormat,
                                const TextServices& text) {
    // A birthday without a year has no age to tell, so it reads like an event.
    const bool withAge = record.notABirthday == 0 && record.year != 0;
    const std::string age = withAge ? AgeText(record.age, text) : std::string();
    // Each form is one whole template, so that every language can order it as it needs.
    if (record.daysUntil <= 1) {
        // Today's and tomorrow's sentences keep the name as it is written.
        const char* const pattern =
            record.daysUntil == 0 ? (withAge ? QT_TRANSLATE_NOOP("Reminder", "%1 is %2 today")
                                             : QT_TRANSLATE_NOOP("Reminder", "%1 today"))
                                  : (withAge ? QT_TRANSLATE_NOOP("Reminder", "%1 is %2 tomorrow")
                                             : QT_TRANSLATE_NOOP("Reminder", "%1 tomorrow"));
        return Row(
            FillIn(text.Translate("Reminder", pattern, -1), {IsolateBidi(record.name), age}));
    }
    const DayNumber date = MakeDay(record.nextYear, record.month, record.day);
    const char* const pattern =
        withAge ? QT_TRANSLATE_N_NOOP("Reminder", "%1 will be %2 on %3 %4 (in %n days)")
                : QT_TRANSLATE_N_NOOP("Reminder", "%1 on %3 %4 (in %n days)");
    return Row(FillIn(text.Translate("Reminder", pattern, record.daysUntil),
                      {IsolateBidi(text.UpperFirst(record.name)), age,
                       text.DayName(WeekdayOf(date)), FormatDate(date, dateFormat)},
                      record.daysUntil));
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
