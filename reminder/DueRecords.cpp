// SPDX-License-Identifier: MIT
#include "DueRecords.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "Snoozes.h"
#include "records/Dates.h"
#include "text/DisplayText.h"

namespace {
constexpr int kMaxDaysAhead = 365;
constexpr int kMaxDaysMissed = 30;

// The age as the sentences say it: the bare number in English, with its own plural elsewhere
// ("30 Jahre", "21 год", "22 года").
std::string AgeText(int age, const TextServices& text) {
    return FillIn(text.Translate("Age", QT_TRANSLATE_N_NOOP("Age", "%n"), age), {}, age);
}

// A row's text: one leading blank, then the sentence.
std::string Row(const std::string& sentence) {
    return std::string(1, ' ').append(sentence);
}

// Whether a birthday's sentence tells the age: one without a year reads like an event.
bool WithAge(const PersonRecord& record) {
    return record.notABirthday == 0 && record.year != 0;
}

// The latest occurrence before today, and its year.
std::pair<DayNumber, int> LastOccurrence(const PersonRecord& record, DayNumber today) {
    const std::int64_t year = ToCivil(today - 1).year;
    const DayNumber date = MakeDay(year, record.month, record.day);
    return date < today
               ? std::pair{date, static_cast<int>(year)}
               : std::pair{MakeDay(year - 1, record.month, record.day), static_cast<int>(year - 1)};
}

// The sentence of a date missed `daysAgo` days before today, in `year`.
std::string ComposeMissedText(const PersonRecord& record, int year, int daysAgo, DayNumber today,
                              const std::string& dateFormat, const TextServices& text) {
    const bool withAge = WithAge(record);
    const std::string age = withAge ? AgeText(year - record.year, text) : std::string();
    if (daysAgo == 1) {
        const char* const pattern = withAge
                                        ? QT_TRANSLATE_NOOP("Reminder", "%1 turned %2 yesterday")
                                        : QT_TRANSLATE_NOOP("Reminder", "%1 was yesterday");
        return Row(
            FillIn(text.Translate("Reminder", pattern, -1), {IsolateBidi(record.name), age}));
    }
    const DayNumber date = today - daysAgo;
    const char* const pattern =
        withAge ? QT_TRANSLATE_N_NOOP("Reminder", "%1 turned %2 on %3 %4 (%n days ago)")
                : QT_TRANSLATE_N_NOOP("Reminder", "%1 was on %3 %4 (%n days ago)");
    return Row(FillIn(text.Translate("Reminder", pattern, daysAgo),
                      {IsolateBidi(text.UpperFirst(record.name)), age,
                       text.DayName(WeekdayOf(date)), FormatDate(date, dateFormat)},
                      daysAgo));
}

}  // namespace

bool IsDue(const PersonRecord& record) {
    return !record.infoOnly && record.day != 0 && record.month != 0 && record.daysUntil >= 0 &&
           record.daysUntil <= kMaxDaysAhead && record.daysUntil <= record.daysInAdvance &&
           record.nextYear != record.skipYear;
}

std::string ComposeReminderText(const PersonRecord& record, const std::string& dateFormat,
                                const TextServices& text) {
    const bool withAge = WithAge(record);
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

int MissedDaysAgo(const PersonRecord& record, const AppSettings& settings) {
    const std::optional<DayNumber> lastRun =
        settings.missed ? RunDay(settings.lastRun) : std::nullopt;
    if (!lastRun || record.infoOnly || record.day == 0 || record.month == 0) {
        return 0;
    }
    const auto [date, year] = LastOccurrence(record, settings.today);
    const DayNumber daysAgo = settings.today - date;
    return date > *lastRun && daysAgo <= kMaxDaysMissed && year != record.skipYear
               ? static_cast<int>(daysAgo)
               : 0;
}

bool IsShown(const PersonRecord& record, const AppSettings& settings) {
    return (IsDue(record) || MissedDaysAgo(record, settings) > 0) &&
           (settings.snoozed.empty() || !settings.snoozed.contains(SnoozeKey(record)));
}

std::vector<ReminderRow> SelectDueRows(const RecordList& records, const std::string& dateFormat,
                                       const TextServices& text) {
    AppSettings settings;
    settings.dateFormat = dateFormat;
    return SelectDueRows(records, settings, text);
}

std::vector<ReminderRow> SelectDueRows(const RecordList& records, const AppSettings& settings,
                                       const TextServices& text) {
    std::vector<std::pair<int, PersonRecord*>> missed;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (const int daysAgo = MissedDaysAgo(**it, settings);
            daysAgo > 0 && IsShown(**it, settings)) {
            missed.emplace_back(daysAgo, it->get());
        }
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ReminderRow> rows;
    for (const auto& [daysAgo, record] : missed) {
        const int year = LastOccurrence(*record, settings.today).second;
        rows.push_back(
            {ComposeMissedText(*record, year, daysAgo, settings.today, settings.dateFormat, text),
             record->icon, record, year});
    }

    std::vector<PersonRecord*> due;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (IsDue(**it) && IsShown(**it, settings)) {
            due.push_back(it->get());
        }
    }
    // Reverse list order within a day comes from the reverse walk; the sort keeps it.
    std::stable_sort(due.begin(), due.end(), [](const PersonRecord* a, const PersonRecord* b) {
        return a->daysUntil < b->daysUntil;
    });
    for (PersonRecord* record : due) {
        rows.push_back({ComposeReminderText(*record, settings.dateFormat, text), record->icon,
                        record, record->nextYear});
    }
    return rows;
}
