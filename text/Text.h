// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Small helpers on text held as bytes (UTF-8 or anything else).

// Whether `text` is plain ASCII: no byte has its high bit set.
bool IsAscii(std::string_view text);

// `text` without the `blanks` at either end; by default the blanks of isspace in the C locale.
std::string_view Trim(std::string_view text, std::string_view blanks = " \t\n\v\f\r");

// `pattern` with %1..%9 replaced by `args` and %n by `n`, in one pass, so that an argument
// that itself holds "%2" stays as it is. Any other % is kept.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args,
                   int n = -1);

// Where an FNV-1a hash starts.
constexpr std::uint64_t kFnv1aStart = 14695981039346656037ull;

// The 64-bit FNV-1a hash of `bytes`, going on from `hash`, so that a text hashed in pieces gives
// the hash of the whole. The same in every run, but not meant to resist anyone.
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = kFnv1aStart);
