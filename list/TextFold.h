// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// `text` (UTF-8) without accents and with case folded, so that "Émile", "EMILE" and "emile"
// fold alike: Unicode compatibility decomposition without the combining marks, then full case
// folding ("ß" is "ss"). Plain ASCII only has A to Z lower-cased.
std::string FoldAccentsAndCase(std::string_view text);

// `text` (UTF-8) with case folded one letter to one and its accents kept.
std::string FoldCaseOnly(std::string_view text);

// FoldAccentsAndCase(text), a NUL, then FoldCaseOnly(text), worked out together; `split` is
// where the NUL lies.
std::string FoldBothWays(std::string_view text, std::size_t& split);
