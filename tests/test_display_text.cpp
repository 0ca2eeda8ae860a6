// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "text/DisplayText.h"

#define FSI "\u2068"
#define PDI "\u2069"

TEST(DisplayText, IsolateBidi) {
    const std::pair<const char*, const char*> rows[] = {
        {"Anna Ölaf", "Anna Ölaf"},                            // no right-to-left: bytes unchanged
        {"bad\xff\xfe", "bad\xff\xfe"},                        // nor invalid UTF-8
        {"Eve\u202E", FSI "Eve\u202E" PDI},                    // an override stays inside
        {"\u05D3\u05E0\u05D4", FSI "\u05D3\u05E0\u05D4" PDI},  // Hebrew
        {"x" PDI "\u202E", FSI "x\u202E" PDI},                 // a closer of ours is dropped
        {"\u2067a\u2067b" PDI, FSI "\u2067a\u2067b" PDI PDI PDI},  // its own isolates closed
    };
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(IsolateBidi(in), out);
    }
}

TEST(DisplayText, ReplaceControls) {
    const std::pair<const char*, const char*> rows[] = {
        {"\x1b]0;pwned\aEve", "?]0;pwned?Eve"},
        {"\x1b[2J\tÖ\x7f", "?[2J\tÖ?"},
        {"a\u009b1m b\x9b", "a?1m b?"},  // C1 as UTF-8 and as a lone byte
        {"\u2068\u05D0\u2069", "\u2068\u05D0\u2069"},
        {"\xf4\x8f\xbf\xbf\xf5\x80\x80\x80", "\xf4\x8f\xbf\xbf\xf5???"},  // U+10FFFF; no 0xF5
    };
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(ReplaceControls(in), out);
    }
}

TEST(DisplayText, AppendUtf8AtEachLengthsEdge) {
    std::string text;
    for (const char32_t c : {U'\x7F', U'\x80', U'\u07FF', U'\u0800', U'\uFFFF', U'\U00010000'}) {
        AppendUtf8(text, c);
    }
    EXPECT_EQ(text, "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80");
}
