// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/Arguments.h"

TEST(Arguments, OnlyHomeKeepsTheReminder) {
    const char* argv[] = {"ovrana", "--home", "--options"};
    EXPECT_FALSE(ReadCommandLine(1, argv).home);
    EXPECT_TRUE(ReadCommandLine(2, argv).home);
    EXPECT_FALSE(ReadCommandLine(2, argv).hasArguments);
    EXPECT_TRUE(ReadCommandLine(3, argv).hasArguments);
}
