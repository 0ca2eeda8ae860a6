// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Arguments.h"

TEST(Arguments, NoHomeOrTheRootLeavesTheRunWhereItIs) {
    const auto start = std::filesystem::current_path();
    for (const char* home : {static_cast<const char*>(nullptr), "/", "//"}) {
        home != nullptr ? ::setenv("HOME", home, 1) : ::unsetenv("HOME");
        EnterHome();
        EXPECT_EQ(std::filesystem::current_path(), start) << (home ? home : "unset");
    }
}
