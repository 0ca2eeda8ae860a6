// SPDX-License-Identifier: MIT
#include "Text.h"

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}
