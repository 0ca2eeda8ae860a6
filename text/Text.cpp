// SPDX-License-Identifier: MIT
#include "Text.h"

#include <algorithm>

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return text.substr(text.size());
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args, int n) {
    std::string result;
    result.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            result.append(args.begin()[next - '1']);
            ++i;
        } else if (pattern[i] == '%' && next == 'n' && n >= 0) {
            result.append(std::to_string(n));
            ++i;
        } else {
            result.push_back(pattern[i]);
        }
    }
    return result;
}

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}
