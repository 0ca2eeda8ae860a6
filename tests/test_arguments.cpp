// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Arguments.h"

// An unset HOME, or one that names the root, leaves the run where it is.
TEST(Arguments, EntersOnlyAHomeThatCanBeEntered) {
    TempDir dir;
    const auto start = std::filesystem::current_path();
    for (const char* home : {static_cast<const char*>(nullptr), "/", "//"}) {
        home != nullptr ? ::setenv("HOME", home, 1) : ::unsetenv("HOME");
        EnterHome();
        EXPECT_EQ(std::filesystem::current_path(), start) << (home ? home : "unset");
    }
    ::setenv("HOME", (dir.File("") + "//").c_str(), 1);
    EnterHome();
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.File("")).parent_path());
    std::filesystem::current_path(start);
}
