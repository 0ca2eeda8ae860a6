// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "reminder/DueRecords.h"

namespace {

const FakeText kText;
const std::string kPattern = "%d/%m/%y";

}  // namespace

// The forms themselves are checked per language by the Qt text services' test; here what the
// rule adds: the name isolated and capitalised inside the isolate, one pass, the leap day.
TEST(Wording, SentenceForms) {
    const PersonRecord eve = Record("eve\u202E", 12, 5, 1943);
    const std::tuple<PersonRecord, DayNumber, const char*> cases[] = {
        {eve, MakeDay(2006, 5, 9),
         " \u2068Eve\u202E\u2069 will be 63 on Friday 12/05/06 (in 3 days)"},
        {eve, MakeDay(2006, 5, 12), " \u2068eve\u202E\u2069 is 63 today"},
        {Record("%2 %n", 6, 1, 1990), MakeDay(2026, 1, 1),
         " %2 %n will be 36 on Tuesday 06/01/26 (in 5 days)"},
        {Record("leap", 29, 2, 1980), MakeDay(2027, 2, 20),
         " Leap will be 47 on Monday 01/03/27 (in 9 days)"},
    };
    for (auto [record, today, sentence] : cases) {
        UpdateRecord(record, today);
        EXPECT_EQ(ComposeReminderText(record, kPattern, kText), sentence);
    }
}

// Nearest first; on the same day a later record stands above an earlier one, however many share
// the day.
TEST(Selection, WhichRecordsAreDueInWhichOrder) {
    RecordList records;
    for (const PersonRecord& record : {
             Record("in warning period", 10, 12, 1990, 4),
             Record("one day too far", 11, 12, 1990, 4),
             Record("zero days, today", 6, 12, 1990, 0),
             Record("no day", 0, 12, 1990, 30),
             Record("no month", 6, 0, 1990, 30),
             Record("huge period", 5, 12, 1990, INT_MAX),
             Record("beyond a year", 5, 13, 1990, INT_MAX),
             With(Record("info only", 6, 12, 1990), -1, 0, 1),
             With(Record("silenced", 6, 12, 1990), 2026),
             With(Record("silenced last year", 6, 12, 1990), 2025),
         }) {
        Append(records, record);
    }
    std::vector<std::string> expected = {"silenced last year", "zero days, today"};
    for (int i = 0; i < 40; ++i) {
        Append(records, Record(std::to_string(i), 7, 12, 1990));
        expected.insert(expected.begin() + 2, std::to_string(i));
    }
    expected.insert(expected.end(), {"in warning period", "huge period"});
    UpdateAllRecords(records, MakeDay(2026, 12, 6));
    std::vector<std::string> names;
    for (const ReminderRow& row : SelectDueRows(records, kPattern, kText)) {
        names.push_back(row.record->name);
    }
    EXPECT_EQ(names, expected);
}

// Missed dates come first, the most recent first: only those after the last run's day and at
// most 30 days back, with the option on (null: off) and a last run to count from.
TEST(Selection, DatesMissedSinceTheLastRun) {
    const PersonRecord anna = Record("anna", 5, 12, 1990), bob = Record("bob", 2, 12, 1990);
    const PersonRecord event = With(Record("dentist", 3, 12, 2000), -1, 1);
    const PersonRecord eve = Record("eve", 30, 12, 1980), in = Record("in", 1, 12, 1980);
    const PersonRecord out = Record("out", 30, 11, 1980);  // 31 days back where "in" is 30
    const DayNumber sunday = MakeDay(2026, 12, 6);
    const char* const order =
        " anna turned 36 yesterday| Dentist was on Thursday 03/12/26 (3 days "
        "ago)| Bob turned 36 on Wednesday 02/12/26 (4 days ago)| cy tomorrow";
    const std::tuple<std::vector<PersonRecord>, DayNumber, const char*, const char*> rows[] = {
        {{bob, event, anna, Record("cy", 7, 12, 0)}, sunday, "20261201", order},
        {{Record("eve", 5, 12, 0)}, sunday, "20261130", " eve was yesterday"},
        {{eve}, sunday + 28, "20261220", " Eve turned 46 on Wednesday 30/12/26 (4 days ago)"},
        {{in, out}, sunday + 25, "20261001", " In turned 46 on Tuesday 01/12/26 (30 days ago)"},
        {{anna}, sunday, "20261205", ""},                  // on the last run's day
        {{With(anna, -1, 0, 1)}, sunday, "20261201", ""},  // info only
        {{With(anna, 2026)}, sunday, "20261201", ""},      // silenced
        {{anna}, sunday, nullptr, ""},                     // the option off
        {{anna}, sunday, "", ""},                          // a first run
    };
    for (const auto& [list, today, lastRun, expected] : rows) {
        RecordList records;
        for (const PersonRecord& record : list) {
            Append(records, record);
        }
        UpdateAllRecords(records, today);
        AppSettings settings;
        settings.dateFormat = kPattern, settings.today = today;
        settings.lastRun = lastRun ? lastRun : "20261201", settings.missed = lastRun != nullptr;
        std::string texts;
        for (const ReminderRow& row : SelectDueRows(records, settings, kText)) {
            texts += (texts.empty() ? "" : "|") + row.text;
        }
        EXPECT_EQ(texts, expected);
    }
}
