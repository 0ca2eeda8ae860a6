// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>

#include "platform/Settings.h"
#include "platform/SettingsFile.h"

namespace {

const std::string kQtSettings =
    "[General]\naot=0\ndaily=1\ndays=14\nicon=1\nlastrun=2026126\nnotify=0\nonceaday=0\n";

}  // namespace

TEST(Settings, FirstRunWritesTheDefaults) {
    MapStore store;
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.onceADay + settings.alwaysOnTop, 0);
    EXPECT_EQ(settings.defaultDays, 14);
    EXPECT_EQ(settings.defaultIcon, 1);
    EXPECT_EQ(settings.lastRun, "");
    EXPECT_EQ(FormatSettingsText(store.values), kQtSettings);
}

TEST(Settings, StoredValuesAreReadByAtoiRules) {
    MapStore store({{"aot", "2"},
                    {"onceaday", " 1x"},
                    {"icon", "-1"},
                    {"lastrun", "2026125"},
                    {"days", "99999999999"},
                    {"notify", "7"},
                    {"daily", "0"}});
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.alwaysOnTop, 1);
    EXPECT_EQ(settings.onceADay, 1);
    EXPECT_EQ(settings.defaultDays, INT_MAX);
    EXPECT_EQ(settings.defaultIcon, -1);
    EXPECT_EQ(settings.lastRun, "2026125");
    SaveSettings(store, settings, "2026126");
    EXPECT_EQ(FormatSettingsText(store.values),
              "[General]\naot=1\ndaily=0\ndays=2147483647\nicon=-1\nlastrun=2026126\nnotify=1\n"
              "onceaday=1\n");
    EXPECT_EQ(settings.lastRun, "2026125") << "only the store receives the new date";
}

TEST(Settings, MissingLongOrOddValuesLeaveTheirFields) {
    MapStore store({{"aot", "yes"},
                    {"days", std::string(79, '7')},
                    {"icon", "3" + std::string(79, ' ')},
                    {"lastrun", "2026" + std::string(1, '\0') + "126"}});
    AppSettings settings;
    LoadSettings(store, settings, "2026126");
    EXPECT_EQ(settings.alwaysOnTop, 0);
    EXPECT_EQ(settings.defaultDays, INT_MAX) << "79 bytes and the NUL fit";
    EXPECT_EQ(settings.defaultIcon, 0) << "80 bytes do not";
    EXPECT_EQ(settings.lastRun, "2026");
    EXPECT_EQ(store.values.size(), 4u) << "nothing written";
}

TEST(SettingsFile, ReadsAndWritesTheFormQtWrites) {
    const auto values = ParseSettingsText(kQtSettings);
    ASSERT_TRUE(values);
    EXPECT_EQ(FormatSettingsText(*values), kQtSettings);
    const auto loose = ParseSettingsText("\nicon=-1\n\ndays=");
    ASSERT_TRUE(loose);
    EXPECT_EQ(FormatSettingsText(*loose), "[General]\ndays=\nicon=-1\n");
    // Whatever Qt reads in a way of its own is left to Qt.
    for (const char* text :
         {"[General]\r\naot=0\r\n", "[Other]\naot=0\n", "aot=0\n[General]\n", "aot = 0\n",
          "aot=\"0\"\n", "aot=0,1\n", "aot=@Invalid()\n", "aot=0\naot=1\n", "colour=red\n", "aot\n",
          "; comment\n", "%General/aot=0\n", "[General]\n[General]\n"}) {
        EXPECT_FALSE(ParseSettingsText(text)) << text;
    }
}

// The XDG rule, which both programs follow: a relative XDG_CONFIG_HOME is ignored, and without
// an absolute HOME there is no place for the settings, neither the working nor the root folder.
TEST(SettingsFile, FollowsTheXdgRule) {
    struct Case {
        const char *xdg, *home, *expected;
    };
    const Case cases[] = {
        {"/x/config", "/home/anna", "/x/config/Keldan/ovra.conf"},
        {"relcfg", "/home/anna", "/home/anna/.config/Keldan/ovra.conf"},
        {"", "/home/anna", "/home/anna/.config/Keldan/ovra.conf"},
        {"relcfg", nullptr, ""},
        {nullptr, "home", ""},
    };
    for (const Case& c : cases) {
        c.xdg != nullptr ? ::setenv("XDG_CONFIG_HOME", c.xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        c.home != nullptr ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(SettingsFilePath(), c.expected)
            << (c.xdg ? c.xdg : "-") << (c.home ? c.home : "-");
    }
}
