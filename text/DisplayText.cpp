// SPDX-License-Identifier: MIT
#include "DisplayText.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr char32_t kFirstStrongIsolate = 0x2068;
constexpr char32_t kPopIsolate = 0x2069;

bool IsIsolateOpener(char32_t c) {
    return c >= 0x2066 && c <= 0x2068;
}

bool IsBidiControl(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Blocks of right-to-left scripts: Hebrew to NKo and beyond, their presentation forms, and the
// historic right-to-left scripts of the supplementary planes.
bool IsRightToLeft(char32_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFE) || (c >= 0x10800 && c <= 0x10FFF) ||
           (c >= 0x1E800 && c <= 0x1EFFF);
}

}  // namespace

std::string IsolateBidi(std::string_view text) {
    bool needed = false;
    for (std::size_t pos = 0, length = 0; pos < text.size() && !needed; pos += length) {
        const char32_t c = DecodeUtf8(text, pos, length);
        needed = IsBidiControl(c) || IsRightToLeft(c);
    }
    if (!needed) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 6);
    AppendUtf8(out, kFirstStrongIsolate);
    int open = 0;  // isolates the text itself opened
    for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t c = DecodeUtf8(text, pos, length);
        if (c == kPopIsolate && open == 0) {
            continue;  // would close ours
        }
        open += IsIsolateOpener(c) ? 1 : c == kPopIsolate ? -1 : 0;
        out.append(text.substr(pos, length));
    }
    for (; open > 0; --open) {
        AppendUtf8(out, kPopIsolate);
    }
    AppendUtf8(out, kPopIsolate);
    return out;
}

std::string ReplaceControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t c = DecodeUtf8(text, pos, length);
        const bool control = (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F) ||
                             (c == kNotUtf8 && static_cast<std::uint8_t>(text[pos]) <= 0x9F);
        if (control) {
            out.push_back('?');
        } else {
            out.append(text.substr(pos, length));
        }
    }
    return out;
}

char32_t DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[pos + i]); };
    const std::uint8_t lead = byte(0);
    length = 1;
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || size > 4 || pos + size > text.size() || lead > 0xF4) {
        return kNotUtf8;
    }
    char32_t code = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return kNotUtf8;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode.
    if ((size == 3 && code < 0x800) || (size == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return kNotUtf8;
    }
    length = size;
    return code;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void PrintError(const std::string& text) {
    const std::string line = "ovrana: " + ReplaceControls(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}
