// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/SortRules.h"

namespace {

using Cells = std::vector<std::string>;

Cells Sorted(int type, const Cells& cells, bool ascending,
             const std::string& pattern = "%d/%m/%y") {
    Cells result;
    for (const std::size_t index : SortOrder(type, cells, ascending, {pattern})) {
        result.push_back(cells[index]);
    }
    return result;
}

}  // namespace

TEST(SortRules, TextAndNumbers) {
    const Cells names = {"abc", "Abd", "ABC", "Zed", "abb"};
    EXPECT_EQ(Sorted(LSORT_TEXTCASE, names, true), (Cells{"ABC", "Abd", "Zed", "abb", "abc"}));
    EXPECT_EQ(Sorted(LSORT_TEXT, names, true), (Cells{"abb", "abc", "ABC", "Abd", "Zed"}));

    // "-" and other texts without a number count as 0.
    const Cells integers = {"10", "9", "-", "-3", "0", " +7 days", "abc"};
    EXPECT_EQ(Sorted(LSORT_INTEGER, integers, true),
              (Cells{"-3", "-", "0", "abc", " +7 days", "9", "10"}));
    // NaN has no place in an order and goes last both ways.
    const Cells reals = {"2.5", "10", "-1e3", "abc", "2.50", "nan", "1e999", "1e-999", "+.5x"};
    EXPECT_EQ(Sorted(LSORT_REAL, reals, false),
              (Cells{"1e999", "10", "2.5", "2.50", "+.5x", "abc", "1e-999", "-1e3", "nan"}));
}

// The same dates in each order a short-date pattern can have: the column sorts by month, then
// day, wherever the pattern puts the year. Zero and empty dates go last in both directions.
TEST(SortRules, DayMonthInEveryPatternOrder) {
    const std::vector<std::pair<std::string, Cells>> cases = {
        // 4 Dec 06, 3 Jan 07, 29 Feb 08, zero date, 1 Mar 07, empty, 3 Jan 05
        {"%d/%m/%y",
         {"04/12/06", "03/01/07", "29/02/08", "00/00/0000", "01/03/07", "", "03/01/05"}},
        {"%m/%d/%y",
         {"12/04/06", "01/03/07", "02/29/08", "00/00/0000", "03/01/07", "", "01/03/05"}},
        {"%y-%m-%d",
         {"06-12-04", "07-01-03", "08-02-29", "0000-00-00", "07-03-01", "", "05-01-03"}},
    };
    for (const auto& [pattern, d] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(Sorted(LSORT_DAYMONTH, d, true, pattern),
                  (Cells{d[1], d[6], d[2], d[4], d[0], d[3], d[5]}));
        EXPECT_EQ(Sorted(LSORT_DAYMONTH, d, false, pattern),
                  (Cells{d[0], d[4], d[2], d[1], d[6], d[3], d[5]}));
    }
}

TEST(SortRules, DateTexts) {
    // 29 February counts in any year when the year is ignored; a four-digit year still reads;
    // days a month never has and stray text are no dates.
    EXPECT_EQ(
        Sorted(LSORT_DAYMONTH,
               {"01/03/07", "-", "31/04/07", "29/02/07", "1/1/07x", "28/02/2007", "2007-01-03"},
               true),
        (Cells{"28/02/2007", "29/02/07", "01/03/07", "-", "31/04/07", "1/1/07x", "2007-01-03"}));
    // Full dates use the year (29/02/07 and 29/02/2100 do not exist) and an optional time;
    // "\r" is a blank.
    EXPECT_EQ(Sorted(LSORT_DATETIME,
                     {"03/01/07 10:00", "03/01/07", "29/02/07", "04/12/06 23:59:59",
                      "03/01/07\r9:30", "29/02/2100", "03/01/2006\r", "29/02/2000"},
                     true),
              (Cells{"29/02/2000", "03/01/2006\r", "04/12/06 23:59:59", "03/01/07", "03/01/07\r9:30",
                     "03/01/07 10:00", "29/02/07", "29/02/2100"}));
    // A literal percent sign in the pattern; a time glued to the year makes no date.
    EXPECT_EQ(Sorted(LSORT_DAYMONTH, {"100% 05-07-07", "100% 01-07-07"}, true, "100%% %m-%y-%d"),
              (Cells{"100% 01-07-07", "100% 05-07-07"}));
    EXPECT_EQ(Sorted(LSORT_DATETIME, {"03/01/0710:00", "04/01/07"}, true),
              (Cells{"04/01/07", "03/01/0710:00"}));
}

// Equal rows keep their order in both directions, also in lists long enough for the library's
// sort to move them.
TEST(SortRules, StableWithManyEqualKeys) {
    const Cells cells(400, "b");
    for (const bool ascending : {true, false}) {
        const std::vector<std::size_t> order = SortOrder(LSORT_TEXT, cells, ascending, {});
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ascending;
    }
}
