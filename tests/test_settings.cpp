// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/DatePattern.h"
#include "platform/Settings.h"

TEST(DatePattern, Conversions) {
    const std::pair<const char*, const char*> table[] = {
        {"dd/MM/yyyy", "%d/%m/%y"}, {"M/d/yyyy", "%m/%d/%y"},     {"dd.MM.yyyy", "%d.%m.%y"},
        {"yyyy-MM-dd", "%y-%m-%d"}, {"d/M/yy", "%d/%m/%y"},       {"dd-MMM-yy", "%d-%m-%y"},
        {"yyyy/MM/dd", "%y/%m/%d"}, {"d. M. yyyy", "%d. %m. %y"}, {"dd:MM:yyyy", "%d.%m.%y"},
        {"d/M/y", "%d/%m/%y"},      {"dddd d MMMM", "%d %d %m"},  {"mm/dd g", "mm/%d g"},
        {"'day' d", "'%da%y' %d"},  {"100% d", "100%% %d"},       {"", ""},
    };
    for (const auto& [locale, expected] : table) {
        EXPECT_EQ(MakeDatePattern(locale), expected) << locale;
    }
}

TEST(DatePattern, ReplaceHelpers) {
    EXPECT_EQ(ReplaceUntilGone("yyyyy", "yy", "y"), "y");
    EXPECT_EQ(ReplaceEach("d-d", "d", "%d"), "%d-%d");
    EXPECT_EQ(ReplaceEach("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceUntilGone("a", "a", "aa"), "aa");  // ends instead of growing forever
}

TEST(Settings, FirstRunWritesTheDefaults) {
    FakeStore store;
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.onceADay, 0);
    EXPECT_EQ(settings.alwaysOnTop, 0);
    EXPECT_EQ(settings.defaultDays, 14);
    EXPECT_EQ(settings.defaultIcon, 1);
    EXPECT_EQ(settings.lastRun, "");
    const std::map<std::string, std::string> expected = {
        {"aot", "0"},    {"onceaday", "0"}, {"days", "14"},        {"icon", "1"},
        {"notify", "0"}, {"daily", "1"},    {"lastrun", "2026126"}};
    EXPECT_EQ(store.values, expected);
}

TEST(Settings, StoredValuesAreReadByAtoiRules) {
    FakeStore store;
    store.values = {{"aot", "2"},           {"onceaday", " 1x"},     {"icon", "-1"},
                    {"lastrun", "2026125"}, {"days", "99999999999"}, {"notify", "7"},
                    {"daily", "0"}};
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.alwaysOnTop, 1);
    EXPECT_EQ(settings.onceADay, 1);
    EXPECT_EQ(settings.defaultDays, INT_MAX);
    EXPECT_EQ(settings.defaultIcon, -1);
    EXPECT_EQ(settings.lastRun, "2026125");
    EXPECT_EQ(settings.notify, 1);
    EXPECT_EQ(settings.daily, 0);

    SaveSettings(store, settings, "2026126");
    EXPECT_EQ(store.values["aot"], "1");
    EXPECT_EQ(store.values["notify"], "1");
    EXPECT_EQ(store.values["daily"], "0");
    EXPECT_EQ(store.values["icon"], "-1");
    EXPECT_EQ(store.values["lastrun"], "2026126");
    EXPECT_EQ(settings.lastRun, "2026125") << "only the store receives the new date";
}

TEST(Settings, MissingLongOrOddValuesLeaveTheirFields) {
    FakeStore store;
    store.values = {{"aot", "yes"},
                    {"days", std::string(79, '7')},
                    {"icon", "3" + std::string(79, ' ')},
                    {"lastrun", std::string("2026\0"
                                            "126",
                                            8)}};
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.alwaysOnTop, 0);
    EXPECT_EQ(settings.onceADay, 0);
    EXPECT_EQ(settings.defaultDays, INT_MAX) << "79 bytes and the NUL fit";
    EXPECT_EQ(settings.defaultIcon, 0) << "80 bytes do not";
    EXPECT_EQ(settings.lastRun, "2026");
    EXPECT_EQ(store.writes, 0);
}

TEST(Settings, RunDateText) {
    EXPECT_EQ(RunDateText({2026, 12, 6}), "2026126");
    EXPECT_EQ(RunDateText({2027, 1, 1}), "202711");
}
