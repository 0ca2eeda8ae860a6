// SPDX-License-Identifier: MIT
#include "HandOver.h"

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
// The user's own value, or empty when there was none; set only while ours is in force.
constexpr const char* kSaved = "OVRANA_SAVED_GLIBC_TUNABLES";

}  // namespace

void AskForHugePages() {
    const char* current = std::getenv(kTunables);
    const std::string user = current != nullptr ? current : "";
    if (user.find("glibc.malloc.hugetlb") != std::string::npos) {
        return;  // the user's choice stands
    }
    ::setenv(kSaved, user.c_str(), 1);
    const std::string ours =
        user.empty() ? "glibc.malloc.hugetlb=1" : user + ":glibc.malloc.hugetlb=1";
    ::setenv(kTunables, ours.c_str(), 1);
}

void RestoreTunables() {
    const char* saved = std::getenv(kSaved);
    if (saved == nullptr) {
        return;
    }
    if (*saved == '\0') {
        ::unsetenv(kTunables);
    } else {
        ::setenv(kTunables, saved, 1);
    }
    ::unsetenv(kSaved);
}
