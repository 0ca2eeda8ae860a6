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

// The address-book commands: each with what it needs and nothing else; a fingerprint in any of
// its usual spellings becomes 64 lower-case digits.
TEST(Arguments, AddressBookCommands) {
    using C = CommandLine::Command;
    const auto read = [](std::vector<std::string> arguments) {
        std::vector<const char*> argv = {"ovrana"};
        for (const std::string& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    };
    const std::string hex = "0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
    std::string pairs = hex.substr(0, 2);
    for (std::size_t i = 2; i < hex.size(); i += 2) {
        pairs.append(1, ':').append(hex, i, 2);
    }
    const std::string lower = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
    const std::string add = "--add-address-book", remove = "--remove-address-book",
                      cert = "--accept-certificate";
    const std::tuple<std::vector<std::string>, C, std::string, std::string, std::string> rows[] = {
        {{add, "u", "--user", "a"}, C::AddAddressBook, "u", "a", ""},
        {{"--user", "a", cert, pairs, add, "u"}, C::AddAddressBook, "u", "a", lower},
        {{add, "u", "--user", "a", cert, hex}, C::AddAddressBook, "u", "a", lower},
        {{remove, "u"}, C::RemoveAddressBook, "u", "", ""},
        {{"--sync"}, C::Sync, "", "", ""},
    };
    for (const auto& [arguments, command, url, user, certificate] : rows) {
        const CommandLine line = read(arguments);
        EXPECT_EQ(std::tie(line.error, line.command, line.url, line.user, line.certificate),
                  std::tie("", command, url, user, certificate));
    }
    const std::vector<std::string> usageErrors[] = {
        {add, "u", "--user", "a", cert, hex.substr(1)},
        {add, "u", "--user", "a", cert, pairs.substr(1) + "0"},
        {add, "u", "--user", "a", cert, hex.substr(1) + "g"},
        {add, "u"},
        {add, "", "--user", "a"},
        {add, "u", "--user", "a", "--user", "b"},
        {add, "u", "--user"},
        {remove},
        {"--sync", "--sync"},
        {"--import", "x", "--sync"},
        {remove, "u", "--export", "x"},
        {"--user", "a", "--sync"},
        {remove, "u", cert, hex},
    };
    for (const auto& arguments : usageErrors) {
        EXPECT_NE(read(arguments).error, "") << arguments.front() << " " << arguments.back();
    }
}
