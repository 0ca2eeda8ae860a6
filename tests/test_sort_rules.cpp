// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "list/SortRules.h"

// Plain ASCII folds only A to Z: the neighbours of both ends and UTF-8 bytes stay as they are.
TEST(SortRules, FoldAsciiCase) {
    const std::pair<std::string, std::string> rows[] = {
        {"ABC Zed", "abc zed"}, {"@[`{", "@[`{"}, {"\xc3\x96laf", "\xc3\x96laf"}, {"", ""}};
    for (const auto& [text, folded] : rows) {
        EXPECT_EQ(FoldAsciiCase(text), folded) << text;
    }
}
