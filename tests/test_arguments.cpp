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
    using namespace std::string_literals;
    const auto read = [](std::string line) {  // the arguments, a space between each two
        line = "ovrana " + line;
        std::vector<const char*> argv = {line.data()};
        for (char& c : line) {
            if (c == ' ') {
                c = '\0';
                argv.push_back(&c + 1);
            }
        }
        return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    };
    const std::string h = "0123456789abcDEF", p = "01:23:45:67:89:ab:cD:EF", l = "0123456789abcdef";
    const std::string hex = h + h + h + h, pairs = p + ":" + p + ":" + p + ":" + p;
    const std::string add = "--add-address-book u --user a", cert = " --accept-certificate ";
    const std::tuple<std::string, C, std::string, std::string, std::string> rows[] = {
        {add, C::AddAddressBook, "u", "a", ""},
        {"--user a" + cert + pairs + " --add-address-book u", C::AddAddressBook, "u", "a",
         l + l + l + l},
        {add + cert + hex, C::AddAddressBook, "u", "a", l + l + l + l},
        {"--remove-address-book u", C::RemoveAddressBook, "u", "", ""},
        {"--sync", C::Sync, "", "", ""},
        {"--publish u --user a" + cert + hex, C::Publish, "u", "a", l + l + l + l},
        {"--unpublish u", C::Unpublish, "u", "", ""},
    };
    for (const auto& [arguments, command, url, user, certificate] : rows) {
        const CommandLine line = read(arguments);
        EXPECT_EQ(std::tie(line.error, line.command, line.url, line.user, line.certificate),
                  std::tie("", command, url, user, certificate));
    }
    for (const std::string& arguments :
         {add + cert + hex.substr(1), add + cert + pairs.substr(1) + "0",
          add + cert + "g" + hex.substr(1), "--add-address-book u"s,
          "--add-address-book  --user a"s, add + " --user b", add + " --user",
          "--remove-address-book"s, "--sync --sync"s, "--import x --sync"s,
          "--remove-address-book u --export x"s, "--user a --sync"s,
          "--remove-address-book u" + cert + hex, "--daily-at"s, "--sync --daily-at 7:00"s,
          "--publish u"s, "--unpublish u --user a"s, "--unpublish"s,
          "--publish u --user a --sync"s}) {
        EXPECT_NE(read(arguments).error, "") << arguments;
    }
}
