// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How a list column orders its rows; the owner picks one per column.
enum SortType : int {
    LSORT_TEXTCASE = 0,  // text, case-sensitive (byte order)
    LSORT_TEXT = 1,      // text, case-insensitive
    LSORT_INTEGER = 2,   // leading whole number by atoi rules; "-" counts as 0
    LSORT_DAYMONTH = 3,  // date by month, then day; the year is ignored
    LSORT_NONE = 4,      // no order: rows keep their places
    LSORT_REAL = 5,      // leading real number
    LSORT_DATETIME = 6,  // full date, optionally followed by a time
};

inline constexpr int LSORT_LAST = LSORT_DATETIME;

inline constexpr bool IsSortType(int value) {
    return value >= 0 && value <= LSORT_LAST;
}

// Maps a text to a form in which case no longer matters, so that folded texts compare equal
// exactly when the originals differ only in case. A caller that knows non-ASCII letters passes
// its own; FoldAsciiCase only lower-cases A to Z.
using CaseFold = std::function<std::string(std::string_view)>;
std::string FoldAsciiCase(std::string_view text);

struct SortContext {
    // The strftime pattern the dates in the list were written with: %d, %m, %y and %%, every
    // other character matching itself (the patterns MakeDatePattern makes).
    std::string datePattern = "%d/%m/%y";
    CaseFold foldCase = FoldAsciiCase;
};

// A cell's value under one rule, worked out once per sort so comparing stays cheap.
struct SortKey {
    bool last = false;        // no usable value: after every other row, in either direction
    std::int64_t number = 0;  // whole number, month and day, or seconds
    double real = 0;
    std::string text;
};

SortKey MakeSortKey(int type, std::string_view cell, const SortContext& context);

// Negative, zero or positive as `a` goes before, beside or after `b`. Keys without a usable
// value go last whatever the direction, and equal values give 0, so this is a strict weak
// order in both directions. An unknown type compares everything equal.
int CompareSortKeys(int type, const SortKey& a, const SortKey& b, bool ascending);

// The stable order of `cells` under the rule: element i is the index of the cell that goes to
// position i. Rows with equal values keep their relative order.
std::vector<std::size_t> SortOrder(int type, const std::vector<std::string>& cells, bool ascending,
                                   const SortContext& context);
