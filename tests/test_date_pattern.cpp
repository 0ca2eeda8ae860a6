// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "records/DatePattern.h"

TEST(DatePattern, Conversions) {
    const std::pair<const char*, const char*> table[] = {
        {"dd/MM/yyyy", "%d/%m/%y"},
        {"dd-MMM-yy", "%d-%m-%y"},
        {"yyyyy", "%y"},
        {"dd:MM:yyyy", "%d.%m.%y"},
        {"d/M/y", "%d/%m/%y"},
        {"dddd d MMMM", "%d %d %m"},
        {"mm/dd g", "mm/%d g"},
        {"'day' d", "'%da%y' %d"},
        {"100% d", "100%% %d"},
        {"", ""},
    };
    for (const auto& [locale, expected] : table) {
        EXPECT_EQ(MakeDatePattern(locale), expected) << locale;
    }
}
