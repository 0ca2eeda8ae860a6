// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/SettingsFile.h"

TEST(SettingsFile, ReadsAndWritesTheFormQtWrites) {
    EXPECT_EQ(FormatSettingsText(ParseSettingsText("\nicon=-1\n\ndays=").value()),
              "[General]\ndays=\nicon=-1\n");
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
