// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--home") == 0) {
            line.home = true;
        } else {
            line.hasArguments = true;
        }
    }
    return line;
}

void EnterHome() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return;
    }
    std::string path = std::filesystem::path(home).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    if (path != "/") {
        [[maybe_unused]] const int entered = ::chdir(path.c_str());
    }
}
