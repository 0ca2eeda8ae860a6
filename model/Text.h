// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

// Small helpers on text held as bytes (UTF-8 or anything else).

// Where an FNV-1a hash starts.
constexpr std::uint64_t kFnv1aStart = 14695981039346656037ull;

// The 64-bit FNV-1a hash of `bytes`, going on from `hash`, so that a text hashed in pieces gives
// the hash of the whole. The same in every run, but not meant to resist anyone.
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = kFnv1aStart);
