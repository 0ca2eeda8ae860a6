// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The leading decimal integer of `text` by atoi rules (leading white space and one sign allowed,
// digits up to the first non-digit, 0 when there is no number), clamped to the int range
// instead of overflowing.
int ParseInt(std::string_view text);
