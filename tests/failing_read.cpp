// SPDX-License-Identifier: MIT
// Preloaded into a test run: the first read of a file named ovras.ini past its first 64 KiB fails
// with EIO, as on a disk with a bad sector that a second try gets past.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool failed = false;

bool IsDataFile(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n < 0) {
        return false;
    }
    target[n] = '\0';
    const char* slash = std::strrchr(target, '/');
    return std::strcmp(slash != nullptr ? slash + 1 : target, "ovras.ini") == 0;
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const Read real = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, "read"));
    if (!failed && IsDataFile(fd) && ::lseek(fd, 0, SEEK_CUR) >= 65536) {
        failed = true;
        errno = EIO;
        return -1;
    }
    return real(fd, buffer, count);
}
