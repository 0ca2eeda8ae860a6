// SPDX-License-Identifier: MIT
// Preloaded into a test run: the first read of a file named ovras.ini past its first 64 KiB fails
// with EIO, as on a disk with a bad sector that a second try gets past.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const Read real = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, "read"));
    static bool failed = false;
    char link[64];
    char target[PATH_MAX] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    const char* slash = std::strrchr(target, '/');
    if (!failed && n > 0 && slash != nullptr && std::strcmp(slash + 1, "ovras.ini") == 0 &&
        ::lseek(fd, 0, SEEK_CUR) >= 65536) {
        failed = true;
        errno = EIO;
        return -1;
    }
    return real(fd, buffer, count);
}
