// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Text from the data file or a contact, which may hold anything, made safe to place inside the
// program's own sentences.

// Appends the code point `c` (at most U+10FFFF, no surrogate) to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// What DecodeUtf8 gives for a byte that starts no well-formed sequence.
constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The code point of the UTF-8 sequence at `pos` (< text.size()) and its length in bytes. A byte
// that starts no well-formed sequence (a stray continuation byte, an overlong form, a surrogate,
// a value beyond U+10FFFF, a sequence cut short) gives kNotUtf8 and length 1. Which code points
// are unwelcome, such as C0 and C1 controls, is the caller's choice.
char32_t DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length);

// `text` inside a first-strong isolate (U+2068 … U+2069) when it holds a bidirectional control
// or a right-to-left letter, so that nothing in it can reorder the sentence around it; isolates
// it opens are closed and stray closers dropped. Any other text comes back unchanged.
std::string IsolateBidi(std::string_view text);

// `text` for a terminal: control characters (C0 but tab, DEL, C1, and lone bytes 0x80..0x9F)
// become '?', so that no escape sequence reaches the terminal.
std::string ReplaceControls(std::string_view text);

// A problem on standard error, "ovrana: " first, without control characters.
void PrintError(const std::string& text);
