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

// A file command takes the next argument, named from where the user stands; --version answers.
TEST(Arguments, FileCommandsAndAnswers) {
    const char* import[] = {"ovrana", "--import", "x.vcf"};
    const CommandLine line = ReadCommandLine(3, import);
    EXPECT_EQ(line.file, (std::filesystem::current_path() / "x.vcf").string());
    EXPECT_EQ(AnswerAndExit(line), -1);
    const char* version[] = {"ovrana", "--version"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(AnswerAndExit(ReadCommandLine(2, version)), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), VersionText());
}
