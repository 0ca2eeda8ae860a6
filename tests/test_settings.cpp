// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/Settings.h"
#include "platform/SettingsFile.h"

// Values are read as atoi reads them, from at most 79 bytes; a longer or missing one keeps its
// field. Nothing stored at all is a first run, with the defaults.
TEST(Settings, StoredValuesAreReadByAtoiRules) {
    struct Case {
        std::map<std::string, std::string> stored;
        std::string saved;
        const char* lastRun;
    };
    const std::string command = "gpg -qd " + std::string(90, 'p');
    const Case cases[] = {
        {{},
         "aot=0\ndaily=1\ndailyat=09:00\ndays=14\nicon=1\nlastrun=2026127\nmissed=0\nnotify=0\n"
         "onceaday=0\n",
         ""},
        {{{"aot", "2"},
          {"onceaday", " 1x"},
          {"icon", "-1"},
          {"lastrun", "2026125"},
          {"days", "99999999999"},
          {"notify", "7"},
          {"daily", "0"},
          {"missed", "2"},
          {"dailyat", "7:05"},
          {"passwordcommand", command}},
         "aot=1\ndaily=0\ndailyat=07:05\ndays=2147483647\nicon=-1\nlastrun=2026127\nmissed=1\n"
         "notify=1\nonceaday=1\n"
         "passwordcommand=" +
             command + "\n",
         "2026125"},
        {{{"aot", "yes"},
          {"days", std::string(79, '7')},
          {"icon", "3" + std::string(79, ' ')},
          {"lastrun", "2026" + std::string(1, '\0') + "126"},
          {"dailyat", "25:00"}},
         "aot=0\ndaily=1\ndailyat=09:00\ndays=2147483647\nicon=0\nlastrun=2026127\nmissed=0\n"
         "notify=0\nonceaday=0\n",
         "2026"},
    };
    for (const Case& c : cases) {
        MapStore store(c.stored), saved;
        AppSettings settings;
        LoadSettings(store, settings, "2026126");
        SaveSettings(saved, settings, "2026127");
        EXPECT_EQ(FormatSettingsText(saved.values), "[General]\n" + c.saved);
        EXPECT_EQ(settings.lastRun, c.lastRun);
    }
}

// Times of day as people type them, with or without the leading zero; anything else is none.
TEST(Settings, TimeOfDay) {
    const std::pair<const char*, int> rows[] = {
        {"09:00", 540}, {"9:05", 545},  {"0:00", 0},   {"23:59", 1439}, {"25:00", -1},
        {"24:00", -1},  {"7", -1},      {"ab:cd", -1}, {"9:60", -1},    {"", -1},
        {"9:5", -1},    {"009:00", -1}, {" 9:00", -1}, {"+9:00", -1},   {"9:00:00", -1},
        {":30", -1},    {"9:-1", -1},
    };
    for (const auto& [text, minutes] : rows) {
        EXPECT_EQ(ParseTimeOfDay(text).value_or(-1), minutes) << text;
    }
}

// A run date silences only the day it can mean: the old unpadded form too, unless two days share
// it.
TEST(Settings, RunDateOfOneDayOnly) {
    const std::tuple<const char*, CivilDate, bool> rows[] = {
        {"20260127", {2026, 1, 27}, true},  {"2026127", {2026, 1, 27}, false},
        {"2026127", {2026, 12, 7}, false},  {"2026131", {2026, 1, 31}, true},
        {"20261207", {2026, 1, 27}, false},
    };
    for (const auto& [text, date, same] : rows) {
        EXPECT_EQ(IsRunDateOf(text, date), same) << text;
    }
}
