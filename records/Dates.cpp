// SPDX-License-Identifier: MIT
#include "Dates.h"

#include <algorithm>
#include <climits>

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int ClampInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// Days since 1970-01-01 of a valid proleptic Gregorian date.
DayNumber DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

DayNumber MakeDay(std::int64_t year, std::int64_t month, std::int64_t day) {
    const std::int64_t m0 = month - 1;
    year += FloorDiv(m0, 12);
    const int m = static_cast<int>(m0 - FloorDiv(m0, 12) * 12) + 1;
    return DaysFromCivil(year, m, 1) + (day - 1);
}

CivilDate ToCivil(DayNumber n) {
    n += 719468;
    const std::int64_t era = FloorDiv(n, 146097);
    const std::int64_t doe = n - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = yoe + era * 400 + (date.month <= 2);
    return date;
}

int WeekdayOf(DayNumber day) {
    return static_cast<int>(day - FloorDiv(day + 4, 7) * 7 + 4);
}

CivilDate LocalDate(std::time_t now) {
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return {};
    }
    return {local.tm_year + std::int64_t{1900}, local.tm_mon + 1, local.tm_mday};
}

DayNumber MakeToday(std::time_t now) {
    const CivilDate date = LocalDate(now);
    return MakeDay(date.year, date.month, date.day);
}

DayNumber MakeToday() {
    return MakeToday(std::time(nullptr));
}

namespace {

// Whether the candidate's month and day lie strictly before today's in the calendar year.
bool HasPassed(DayNumber candidate, DayNumber today) {
    const CivilDate c = ToCivil(candidate);
    const CivilDate t = ToCivil(today);
    return c.month != t.month ? c.month < t.month : c.day < t.day;
}

// UpdateRecord with today's calendar date worked out once for a whole list.
void UpdateAgainst(PersonRecord& record, DayNumber today, const CivilDate& now) {
    if (record.day == 0 || record.month == 0) {
        return;
    }
    DayNumber next = MakeDay(now.year, record.month, record.day);
    CivilDate date = ToCivil(next);
    if (date.month != now.month ? date.month < now.month : date.day < now.day) {
        next = MakeDay(now.year + 1, record.month, record.day);
        date = ToCivil(next);
    }
    record.daysUntil = ClampInt(next - today);
    record.age = record.year != 0 ? ClampInt(date.year - record.year) : -1;
    record.nextYear = ClampInt(date.year);
}

}  // namespace

void UpdateRecord(PersonRecord& record, DayNumber today) {
    UpdateAgainst(record, today, ToCivil(today));
}

void UpdateAllRecords(RecordList& records, DayNumber today) {
    const CivilDate now = ToCivil(today);
    for (auto& record : records) {
        UpdateAgainst(*record, today, now);
    }
}

bool IsLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, std::int64_t year) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year >= 0 && !IsLeapYear(year) ? 28 : kDays[month - 1];
}

int AgeToday(const PersonRecord& record, DayNumber today) {
    const CivilDate now = ToCivil(today);
    const DayNumber birthday = MakeDay(now.year, record.month, record.day);
    std::int64_t age = now.year - record.year - (HasPassed(birthday, today) ? 0 : 1);
    if (record.month == now.month && record.day == now.day) {
        ++age;
    }
    return ClampInt(age);
}

std::string FormatDate(DayNumber day, const std::string& pattern) {
    if (pattern.empty()) {
        return {};
    }
    const CivilDate date = ToCivil(day);
    std::tm tm{};
    tm.tm_year = ClampInt(date.year - 1900);
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_wday = WeekdayOf(day);
    tm.tm_yday = static_cast<int>(day - MakeDay(date.year, 1, 1));
    char buffer[256];
    const std::size_t length = std::strftime(buffer, sizeof buffer, pattern.c_str(), &tm);
    return std::string(buffer, length);
}
