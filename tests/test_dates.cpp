// SPDX-License-Identifier: MIT
// Run under several time zones (UTC, Europe/Berlin, America/Sao_Paulo) by the test list.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "records/Dates.h"

namespace {

DayNumber D(int year, int month, int day) {
    return MakeDay(year, month, day);
}

// Days until the next occurrence, its year and the age then.
std::tuple<int, int, int> Next(int day, int month, int year, DayNumber today) {
    PersonRecord record = Record("x", day, month, year);
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
    EXPECT_EQ(D(2026, -11, 0), D(2024, 12, 31));
    for (DayNumber day : {D(1600, 2, 29), D(1969, 12, 31), D(2000, 2, 29), D(2100, 3, 1)}) {
        const CivilDate c = ToCivil(day);
        EXPECT_EQ(D(static_cast<int>(c.year), c.month, c.day), day);
    }
}

TEST(Dates, NextOccurrence) {
    const DayNumber dec6 = D(2026, 12, 6);
    const std::tuple<const char*, std::tuple<int, int, int>, std::tuple<int, int, int>> cases[] = {
        {"today", Next(6, 12, 1976, dec6), {0, 2026, 50}},
        {"yesterday", Next(5, 12, 1976, dec6), {364, 2027, 51}},
        {"tomorrow", Next(7, 12, 1976, dec6), {1, 2026, 50}},
        {"no year", Next(7, 12, 0, dec6), {1, 2026, -1}},
        {"29 Feb before March, common year", Next(29, 2, 1980, D(2027, 2, 10)), {19, 2027, 47}},
        {"29 Feb on 1 March, common year", Next(29, 2, 1980, D(2027, 3, 1)), {0, 2027, 47}},
        {"29 Feb on 2 March, leap year ahead", Next(29, 2, 1980, D(2027, 3, 2)), {364, 2028, 48}},
        {"29 Feb on 29 Feb", Next(29, 2, 1980, D(2028, 2, 29)), {0, 2028, 48}},
        {"31 Dec from 1 Jan of a leap year", Next(31, 12, 2000, D(2028, 1, 1)), {365, 2028, 28}},
        {"turn of the year", Next(2, 1, 2000, D(2026, 12, 30)), {3, 2027, 27}},
        {"31 April rolls to 1 May", Next(31, 4, 2000, D(2026, 4, 30)), {1, 2026, 26}},
        {"month 13 passes like January", Next(5, 13, 2000, dec6), {395, 2028, 28}},
        {"no day: left alone", Next(0, 5, 1990, dec6), {0, 0, -1}},
        {"no month: left alone", Next(5, 0, 1990, dec6), {0, 0, -1}},
    };
    for (const auto& [what, next, expected] : cases) {
        EXPECT_EQ(next, expected) << what;
    }
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
}
