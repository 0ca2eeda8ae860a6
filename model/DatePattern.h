// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Replaces the first occurrence again and again, searching from the start each time, so a run
// of repeated letters shrinks one letter at a time.
std::string ReplaceUntilGone(std::string text, const std::string& search,
                             const std::string& replacement);

// Replaces every occurrence once; inserted text is never searched again.
std::string ReplaceEach(std::string text, const std::string& search,
                        const std::string& replacement);

// The locale's short-date picture (d, M, y letters) as a strftime pattern: every run of one
// letter becomes one conversion (%d, %m, %y) and colons become full stops.
std::string MakeDatePattern(const std::string& localePattern);
