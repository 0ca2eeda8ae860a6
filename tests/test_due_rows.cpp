// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "reminder/DueRecords.h"

namespace {

const FakeText kText;
const std::string kPattern = "%d/%m/%y";

PersonRecord Event(PersonRecord record) {
    record.notABirthday = 1;
    return record;
}

}  // namespace

TEST(Wording, EverySentenceForm) {
    const PersonRecord anna = Record("anna", 12, 5, 1976);
    const struct {
        PersonRecord record;
        DayNumber today;
        const char* pattern;
        const char* sentence;
    } cases[] = {
        {anna, MakeDay(2006, 5, 9), "%d/%m/%y", " Anna will be 30 on Friday 12/05/06 (in 3 days)"},
        {Event(anna), MakeDay(2006, 5, 9), "%d/%m/%y", " Anna on Friday 12/05/06 (in 3 days)"},
        {anna, MakeDay(2006, 5, 12), "", " anna is 30 today"},
        {anna, MakeDay(2006, 5, 11), "", " anna is 30 tomorrow"},
        {Event(anna), MakeDay(2006, 5, 12), "", " anna today"},
        {Event(anna), MakeDay(2006, 5, 11), "", " anna tomorrow"},
        {anna, MakeDay(2006, 5, 10), "%y-%m-%d", " Anna will be 30 on Friday 06-05-12 (in 2 days)"},
        {Record("Sara", 19, 7, 0), MakeDay(2026, 7, 10), "%d/%m/%y",
         " Sara on Sunday 19/07/26 (in 9 days)"},
        {Record("Sara", 19, 7, 0), MakeDay(2026, 7, 19), "", " Sara today"},
        {Record("Sara", 19, 7, 0), MakeDay(2026, 7, 18), "", " Sara tomorrow"},
        {Record(" blank", 6, 1, 0), MakeDay(2026, 1, 1), "", "  blank on Tuesday  (in 5 days)"},
        // One pass fills the sentence in: a name's own "%2" or "%n" is no placeholder.
        {Record("%2 %n", 6, 1, 1990), MakeDay(2026, 1, 1), "",
         " %2 %n will be 36 on Tuesday  (in 5 days)"},
        {Record("leap", 29, 2, 1980), MakeDay(2027, 2, 20), "%d/%m/%y",
         " Leap will be 47 on Monday 01/03/27 (in 9 days)"},
    };
    for (const auto& c : cases) {
        PersonRecord record = c.record;
        UpdateRecord(record, c.today);
        EXPECT_EQ(ComposeReminderText(record, c.pattern, kText), c.sentence);
    }
}

TEST(Selection, WhichRecordsAreDue) {
    const DayNumber today = MakeDay(2026, 12, 6);
    RecordList records;
    auto add = [&](PersonRecord record) {
        PersonRecord* added = Append(records, std::move(record));
        UpdateRecord(*added, today);
        return added;
    };
    add(Record("in warning period", 10, 12, 1990, 4));
    add(Record("one day too far", 11, 12, 1990, 4));
    add(Record("zero days, today", 6, 12, 1990, 0));
    add(Record("zero days, tomorrow", 7, 12, 1990, 0));
    add(Record("negative period", 6, 12, 1990, -1));
    add(Record("no day", 0, 12, 1990, 30));
    add(Record("no month", 6, 0, 1990, 30));
    add(Record("huge period", 5, 12, 1990, INT_MAX));
    add(Record("beyond a year", 5, 13, 1990, INT_MAX));
    PersonRecord* info = add(Record("info only", 6, 12, 1990));
    info->infoOnly = 1;
    PersonRecord* silenced = add(Record("silenced", 6, 12, 1990));
    silenced->skipYear = 2026;
    PersonRecord* silencedLastYear = add(Record("silenced last year", 6, 12, 1990));
    silencedLastYear->skipYear = 2025;

    std::vector<std::string> names;
    for (const ReminderRow& row : SelectDueRows(records, kPattern, kText)) {
        names.push_back(row.record->name);
        EXPECT_EQ(row.icon, row.record->icon);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"silenced last year", "zero days, today",
                                               "in warning period", "huge period"}));
    EXPECT_TRUE(SelectDueRows(RecordList{}, kPattern, kText).empty());
}

// Nearest first; on the same day a later record stands above an earlier one. Checked against
// the plain rule: one pass per day offset from 365 down to 0, each inserting at the top.
TEST(Selection, OrderMatchesInsertingAtTheTopForEveryOffset) {
    std::mt19937 random(42);
    for (int round = 0; round < 20; ++round) {
        RecordList records;
        const DayNumber today = MakeDay(2026, 1 + round % 12, 1 + round);
        for (int i = 0; i < 300; ++i) {
            PersonRecord* r = Append(
                records, Record(std::to_string(i), 1 + random() % 31, random() % 13,
                                random() % 3 ? 1990 : 0, static_cast<int>(random() % 400) - 10));
            r->infoOnly = random() % 10 == 0;
            UpdateRecord(*r, today);
            r->skipYear = random() % 10 == 0 ? r->nextYear : -1;
        }
        std::vector<PersonRecord*> expected;
        for (int offset = 365; offset >= 0; --offset) {
            for (auto& r : records) {
                if (IsDue(*r) && r->daysUntil == offset) {
                    expected.insert(expected.begin(), r.get());
                }
            }
        }
        std::vector<PersonRecord*> actual;
        for (const ReminderRow& row : SelectDueRows(records, kPattern, kText)) {
            actual.push_back(row.record);
        }
        EXPECT_EQ(actual, expected);
    }
}
