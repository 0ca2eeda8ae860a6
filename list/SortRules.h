// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// How a list column orders its rows; the owner picks one per column.
enum SortType : int {
    LSORT_TEXTCASE = 0,  // text, case-sensitive (byte order)
    LSORT_TEXT = 1,      // text, case-insensitive
    LSORT_INTEGER = 2,   // whole number
    LSORT_DAYMONTH = 3,  // date by month, then day; the year is ignored
    LSORT_NONE = 4,      // no order: rows keep their places
    LSORT_REAL = 5,      // real number
    LSORT_DATETIME = 6,  // full date and time
};

inline constexpr int LSORT_LAST = LSORT_DATETIME;

inline constexpr bool IsSortType(int value) {
    return value >= 0 && value <= LSORT_LAST;
}

// `text` with only A to Z lower-cased: how plain ASCII folds.
std::string FoldAsciiCase(std::string_view text);
