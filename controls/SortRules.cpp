// SPDX-License-Identifier: MIT
#include "SortRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

#include "records/Dates.h"
#include "text/Numbers.h"
#include "text/Text.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
}

// Reads between minDigits and maxDigits decimal digits, as many as there are.
bool ReadNumber(std::string_view text, std::size_t& pos, int minDigits, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (digits < maxDigits && pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}

bool ReadBounded(std::string_view text, std::size_t& pos, int low, int high, int& value) {
    return ReadNumber(text, pos, 1, 2, value) && value >= low && value <= high;
}

// H:MM or H:MM:SS, as seconds since midnight.
bool ReadTime(std::string_view text, std::size_t& pos, int& seconds) {
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!ReadBounded(text, pos, 0, 23, hour) || pos >= text.size() || text[pos] != ':') {
        return false;
    }
    ++pos;
    if (!ReadNumber(text, pos, 2, 2, minute) || minute > 59) {
        return false;
    }
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!ReadNumber(text, pos, 2, 2, second) || second > 60) {
            return false;
        }
    }
    seconds = hour * 3600 + minute * 60 + second;
    return true;
}

// atof rules without the C locale's say in the decimal point: leading blanks, one sign, the
// longest number that follows, 0 when there is none.
double ParseReal(std::string_view text) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || text[pos] == '+' || text[pos] == '-') {
        return 0;
    }
    const char* first = text.data() + pos;
    const char* end = text.data() + text.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(first, end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large becomes infinity, too small becomes zero, as strtod does.
        const std::string_view number(first, static_cast<std::size_t>(stop - first));
        const bool tiny = number.find("e-") != std::string_view::npos ||
                          number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

// A date read back with a list's pattern; fields the pattern lacks stay -1.
struct ParsedDate {
    std::int64_t year = -1;
    int month = -1;
    int day = -1;
    int seconds = 0;  // time of day, 0 when the text has none
};

// Reads `text` with `pattern`, allowing blanks around it and an optional time (H:MM or
// H:MM:SS) after a blank. False when the text does not match or a field is out of range.
// The day is checked against its month in any year, so 29 February always passes.
bool ParseDate(std::string_view text, std::string_view pattern, ParsedDate& date) {
    date = ParsedDate{};
    text = Trim(text);
    std::size_t t = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char c = pattern[p];
        if (IsBlank(c)) {
            SkipBlanks(text, t);  // as strptime: a blank matches any run of blanks, even none
            continue;
        }
        if (c != '%' || p + 1 >= pattern.size()) {
            if (t >= text.size() || text[t] != c) {
                return false;
            }
            ++t;
            continue;
        }
        int value = 0;
        switch (pattern[++p]) {
            case 'd':
                SkipBlanks(text, t);  // as strptime
                if (!ReadBounded(text, t, 1, 31, date.day)) {
                    return false;
                }
                break;
            case 'm':
                if (!ReadBounded(text, t, 1, 12, date.month)) {
                    return false;
                }
                break;
            case 'y':
                if (!ReadNumber(text, t, 2, 2, value)) {
                    return false;
                }
                date.year = value < 69 ? 2000 + value : 1900 + value;  // as POSIX strptime
                // A four-digit year is read whole, as a user's short-date pattern may write it.
                if (t + 2 <= text.size() && IsDigit(text[t]) && IsDigit(text[t + 1]) &&
                    (t + 2 == text.size() || !IsDigit(text[t + 2]))) {
                    date.year = value * 100 + (text[t] - '0') * 10 + (text[t + 1] - '0');
                    t += 2;
                }
                break;
            case '%':
                if (t >= text.size() || text[t] != '%') {
                    return false;
                }
                ++t;
                break;
            default:
                return false;  // the list's patterns only hold the conversions above
        }
    }
    if (t < text.size()) {
        const std::size_t before = t;
        SkipBlanks(text, t);
        if (t == before || !ReadTime(text, t, date.seconds)) {
            return false;
        }
    }
    if (t != text.size()) {
        return false;
    }
    return date.day < 1 || date.month < 1 || date.day <= DaysInMonth(date.month, -1);
}

template <typename T>
int Compare(T a, T b) {
    return (a > b) - (a < b);
}

}  // namespace

std::string FoldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

SortKey MakeSortKey(int type, std::string_view cell, const SortContext& context) {
    SortKey key;
    ParsedDate date;
    switch (type) {
        case LSORT_TEXTCASE:
            key.text = cell;
            break;
        case LSORT_TEXT:
            key.text = context.foldCase ? context.foldCase(cell) : FoldAsciiCase(cell);
            break;
        case LSORT_INTEGER:
            key.number = ParseInt(cell);
            break;
        case LSORT_REAL:
            key.real = ParseReal(cell);
            key.last = std::isnan(key.real);  // NaN would break the order
            break;
        case LSORT_DAYMONTH:
            // Month first, then day, in whatever order the pattern writes them.
            key.last =
                !ParseDate(cell, context.datePattern, date) || date.month < 1 || date.day < 1;
            key.number = key.last ? 0 : date.month * 32 + date.day;
            break;
        case LSORT_DATETIME:
            key.last = !ParseDate(cell, context.datePattern, date) || date.year < 0 ||
                       date.month < 1 || date.day < 1 ||
                       date.day > DaysInMonth(date.month, date.year);
            key.number =
                key.last ? 0 : MakeDay(date.year, date.month, date.day) * 86400 + date.seconds;
            break;
        default:
            break;
    }
    return key;
}

int CompareSortKeys(int type, const SortKey& a, const SortKey& b, bool ascending) {
    if (a.last != b.last) {
        return a.last ? 1 : -1;
    }
    if (a.last) {
        return 0;
    }
    int result = 0;
    switch (type) {
        case LSORT_TEXTCASE:
        case LSORT_TEXT:
            // Unsigned bytes: code point order for UTF-8.
            result = Compare(a.text.compare(b.text), 0);
            break;
        case LSORT_INTEGER:
        case LSORT_DAYMONTH:
        case LSORT_DATETIME:
            result = Compare(a.number, b.number);
            break;
        case LSORT_REAL:
            result = Compare(a.real, b.real);
            break;
        default:
            break;
    }
    return ascending ? result : -result;
}

std::vector<std::size_t> SortOrder(int type, const std::vector<std::string>& cells, bool ascending,
                                   const SortContext& context) {
    std::vector<std::size_t> order(cells.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (!IsSortType(type) || type == LSORT_NONE) {
        return order;
    }
    std::vector<SortKey> keys;
    keys.reserve(cells.size());
    for (const std::string& cell : cells) {
        keys.push_back(MakeSortKey(type, cell, context));
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareSortKeys(type, keys[a], keys[b], ascending) < 0;
    });
    return order;
}
