// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "PersonRecord.h"

// A local calendar date as a count of days since 1 January 1970. Date rules work on whole local
// days, so the difference of two dates is exact in every time zone, whatever its daylight-saving
// rules or historical jumps at midnight.
using DayNumber = std::int64_t;

struct CivilDate {
    std::int64_t year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// Out-of-range months and days roll over as mktime does: 29/2 of a common year is 1 March,
// 31 April is 1 May, month 13 is January of the following year.
DayNumber MakeDay(std::int64_t year, std::int64_t month, std::int64_t day);
CivilDate ToCivil(DayNumber day);
int WeekdayOf(DayNumber day);  // 0 = Sunday .. 6 = Saturday

// Whether `year` (of the Gregorian calendar carried back, where year 0 is one) has 29 February.
bool IsLeapYear(std::int64_t year);
// The number of days of `month` (1..12) in `year`; a negative year stands for any year, so that
// 29 February is a valid day and month without one.
int DaysInMonth(int month, std::int64_t year);

// The local date of `now`, and of the clock.
CivilDate LocalDate(std::time_t now);
DayNumber MakeToday(std::time_t now);
DayNumber MakeToday();

// Sets age, daysUntil and nextYear for the next occurrence on or after today. A record without a
// day or month is left as it is.
void UpdateRecord(PersonRecord& record, DayNumber today);
void UpdateAllRecords(RecordList& records, DayNumber today);

// The age on `today`; meaningful only when day, month and year are all non-zero.
int AgeToday(const PersonRecord& record, DayNumber today);

// `day` formatted with a strftime pattern; empty when formatting fails.
std::string FormatDate(DayNumber day, const std::string& pattern);
