// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/DisplayText.h"
#include "reminder/DueRecords.h"

namespace {
#define FSI "\u2068"
#define PDI "\u2069"
}  // namespace

TEST(DisplayText, IsolateBidi) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"Anna Ölaf", "Anna Ölaf"},                            // no right-to-left: bytes unchanged
        {"bad\xff\xfe", "bad\xff\xfe"},                        // nor invalid UTF-8
        {"Eve\u202E", FSI "Eve\u202E" PDI},                    // an override stays inside
        {"\u05D3\u05E0\u05D4", FSI "\u05D3\u05E0\u05D4" PDI},  // Hebrew
        {"x" PDI "\u202E", FSI "x\u202E" PDI},                 // a closer of ours is dropped
        {"\u2067a\u2067b" PDI, FSI "\u2067a\u2067b" PDI PDI PDI},  // its own isolates closed
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsolateBidi(row.in), row.out);
    }
}

TEST(DisplayText, ReplaceControls) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"\x1b]0;pwned\x07"
         "Eve",
         "?]0;pwned?Eve"},
        {"\x1b[2J\tÖ\x7f", "?[2J\tÖ?"},
        {"a\u009b1m b\x9b", "a?1m b?"},  // C1 as UTF-8 and as a lone byte
        {"\u2068\u05D0\u2069", "\u2068\u05D0\u2069"},
        {"\xf4\x8f\xbf\xbf\xf5\x80\x80\x80", "\xf4\x8f\xbf\xbf\xf5???"},  // U+10FFFF; no 0xF5
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReplaceControls(row.in), row.out);
    }
}

// A name cannot turn the sentence around it: the isolate wraps only the name.
TEST(DisplayText, SentenceIsolatesTheName) {
    const FakeText text;
    for (auto [days, expected] :
         {std::pair{0, " " FSI "eve\u202E" PDI " is 63 today"},
          std::pair{3, " " FSI "Eve\u202E" PDI " will be 63 on Friday 12/05/06 (in 3 days)"}}) {
        PersonRecord eve = Record("eve\u202E", 12, 5, 1943);
        UpdateRecord(eve, MakeDay(2006, 5, 12 - days));
        EXPECT_EQ(ComposeReminderText(eve, "%d/%m/%y", text), expected);
    }
}
