// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The locale's short-date picture (d, M, y letters) as a strftime pattern: every run of one
// letter becomes one conversion (%d, %m, %y) and colons become full stops.
std::string MakeDatePattern(const std::string& localePattern);
