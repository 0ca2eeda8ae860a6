// SPDX-License-Identifier: MIT
#include "DatePattern.h"

#include <utility>

namespace {

std::string ReplaceEach(std::string text, const std::string& search,
                        const std::string& replacement);

// Replaces the first occurrence again and again, searching from the start each time, so a run
// of repeated letters shrinks one letter at a time.
std::string ReplaceUntilGone(std::string text, const std::string& search,
                             const std::string& replacement) {
    if (search.empty() || replacement.find(search) != std::string::npos) {
        return ReplaceEach(std::move(text), search, replacement);  // would never end
    }
    for (std::size_t p; (p = text.find(search)) != std::string::npos;) {
        text.replace(p, search.size(), replacement);
    }
    return text;
}

// Replaces every occurrence once; inserted text is never searched again.
std::string ReplaceEach(std::string text, const std::string& search,
                        const std::string& replacement) {
    if (search.empty()) {
        return text;
    }
    for (std::size_t p = 0; (p = text.find(search, p)) != std::string::npos;) {
        text.replace(p, search.size(), replacement);
        p += replacement.size();
    }
    return text;
}

}  // namespace

std::string MakeDatePattern(const std::string& localePattern) {
    // A literal percent sign must not start a conversion of its own.
    std::string pattern = ReplaceEach(localePattern, "%", "%%");
    pattern = ReplaceUntilGone(pattern, "dd", "d");
    pattern = ReplaceUntilGone(pattern, "yy", "y");
    pattern = ReplaceUntilGone(pattern, "MM", "M");
    pattern = ReplaceEach(pattern, "d", "%d");
    pattern = ReplaceEach(pattern, "M", "%m");
    pattern = ReplaceEach(pattern, "y", "%y");
    return ReplaceUntilGone(pattern, ":", ".");
}
