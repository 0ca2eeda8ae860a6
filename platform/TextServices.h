// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What the wording needs from the user's locale and the platform's text rules.
class TextServices {
public:
    virtual ~TextServices() = default;
    // The full weekday name in the user's language; 0 = Sunday .. 6 = Saturday.
    virtual std::string DayName(int weekday) const = 0;
    // `text` with its first character (not byte) in upper case, the rest unchanged.
    virtual std::string UpperFirst(std::string_view text) const = 0;
};
