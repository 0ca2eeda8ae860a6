// SPDX-License-Identifier: MIT
// Run under several time zones (UTC, Europe/Berlin, America/Sao_Paulo) by the test list.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/Dates.h"

namespace {

DayNumber D(int year, int month, int day) {
    return MakeDay(year, month, day);
}

struct Next {
    int daysUntil, nextYear, age;
};

Next Compute(PersonRecord record, DayNumber today) {
    UpdateRecord(record, today);
    return {record.daysUntil, record.nextYear, record.age};
}

// Seconds since 1970 of a local wall-clock time in the current TZ.
std::time_t Local(int year, int month, int day, int hour, int minute) {
    std::tm tm{0, minute, hour, day, month - 1, year - 1900, 0, 0, -1, 0, nullptr};
    return std::mktime(&tm);
}

}  // namespace

TEST(Dates, CalendarRollsOverLikeMktime) {
    EXPECT_EQ(D(1970, 1, 1), 0);
    EXPECT_EQ(D(2027, 2, 29), D(2027, 3, 1));
    EXPECT_EQ(D(2026, 13, 5), D(2027, 1, 5));
    EXPECT_EQ(D(2026, 0, 5), D(2025, 12, 5));
    EXPECT_EQ(D(2026, -11, 0), D(2024, 12, 31));
    for (DayNumber day : {D(1600, 2, 29), D(1969, 12, 31), D(2000, 2, 29), D(2100, 3, 1)}) {
        const CivilDate c = ToCivil(day);
        EXPECT_EQ(D(static_cast<int>(c.year), c.month, c.day), day);
    }
    EXPECT_EQ(WeekdayOf(D(2006, 5, 12)), 5);  // Friday
    EXPECT_EQ(WeekdayOf(D(1969, 12, 28)), 0);
    EXPECT_EQ(FormatDate(D(2006, 12, 5), "%d/%m/%y"), "05/12/06");
    EXPECT_EQ(FormatDate(D(2006, 12, 5), ""), "");
}

TEST(Dates, NextOccurrence) {
    struct Case {
        const char* what;
        int day, month, year;
        DayNumber today;
        Next expected;
    };
    const Case cases[] = {
        {"today", 6, 12, 1976, D(2026, 12, 6), {0, 2026, 50}},
        {"yesterday", 5, 12, 1976, D(2026, 12, 6), {364, 2027, 51}},
        {"tomorrow", 7, 12, 1976, D(2026, 12, 6), {1, 2026, 50}},
        {"no year", 7, 12, 0, D(2026, 12, 6), {1, 2026, -1}},
        {"29 Feb before March, common year", 29, 2, 1980, D(2027, 2, 10), {19, 2027, 47}},
        {"29 Feb on 1 March, common year", 29, 2, 1980, D(2027, 3, 1), {0, 2027, 47}},
        {"29 Feb on 2 March, leap year ahead", 29, 2, 1980, D(2027, 3, 2), {364, 2028, 48}},
        {"29 Feb on 29 Feb", 29, 2, 1980, D(2028, 2, 29), {0, 2028, 48}},
        {"31 Dec from 1 Jan of a leap year", 31, 12, 2000, D(2028, 1, 1), {365, 2028, 28}},
        {"turn of the year", 2, 1, 2000, D(2026, 12, 30), {3, 2027, 27}},
        {"31 April rolls to 1 May", 31, 4, 2000, D(2026, 4, 30), {1, 2026, 26}},
        {"month 13 passes like January", 5, 13, 2000, D(2026, 12, 6), {395, 2028, 28}},
        {"no day: left alone", 0, 5, 1990, D(2026, 12, 6), {0, 0, -1}},
        {"no month: left alone", 5, 0, 1990, D(2026, 12, 6), {0, 0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Next next = Compute(Record("x", c.day, c.month, c.year), c.today);
        EXPECT_EQ(std::tie(next.daysUntil, next.nextYear, next.age),
                  std::tie(c.expected.daysUntil, c.expected.nextYear, c.expected.age));
    }
}

TEST(Dates, AbsurdValuesStayDefined) {
    const Next next = Compute(Record("x", INT_MAX, INT_MAX, INT_MIN), D(2026, 12, 6));
    EXPECT_EQ(next.daysUntil, INT_MAX);
    EXPECT_EQ(next.age, INT_MAX);
    const Next back = Compute(Record("x", INT_MIN, INT_MIN, INT_MAX), D(2026, 12, 6));
    EXPECT_LT(back.nextYear, 0);
    EXPECT_EQ(back.age, INT_MIN);
    EXPECT_EQ(AgeToday(Record("x", INT_MAX, INT_MAX, INT_MIN), D(2026, 12, 6)), INT_MAX);
}

TEST(Dates, AgeToday) {
    const std::tuple<int, int, DayNumber, int> cases[] = {
        {7, 12, D(2026, 12, 6), 49}, {6, 12, D(2026, 12, 6), 50}, {29, 2, D(2027, 3, 1), 46},
        {29, 2, D(2028, 2, 29), 48}, {29, 2, D(2028, 2, 28), 47},
    };
    for (const auto& [day, month, today, age] : cases) {
        EXPECT_EQ(AgeToday(Record("x", day, month, day == 29 ? 1980 : 1976), today), age)
            << day << "/" << month << " on day " << today;
    }
}

// Just before and after local midnight, and on days whose clocks jumped, also at midnight.
TEST(Dates, TodayIsTheLocalDate) {
    const std::pair<std::time_t, DayNumber> cases[] = {
        {Local(2026, 12, 6, 0, 0), D(2026, 12, 6)},   {Local(2026, 12, 6, 23, 59), D(2026, 12, 6)},
        {Local(2026, 3, 29, 12, 0), D(2026, 3, 29)},  {Local(2018, 11, 4, 12, 0), D(2018, 11, 4)},
        {Local(2019, 2, 16, 23, 30), D(2019, 2, 16)}, {Local(2027, 1, 1, 0, 30), D(2027, 1, 1)},
    };
    for (const auto& [now, today] : cases) {
        EXPECT_EQ(MakeToday(now), today) << now;
    }
    EXPECT_EQ(Compute(Record("x", 30, 3, 0), MakeToday(Local(2026, 3, 28, 12, 0))).daysUntil, 2);
    EXPECT_EQ(Compute(Record("x", 5, 11, 0), MakeToday(Local(2018, 11, 3, 12, 0))).daysUntil, 2);
}
