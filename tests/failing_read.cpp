// SPDX-License-Identifier: MIT
// Preloaded into a test run: the first read of a file named ovras.ini past its first 64 KiB fails
// with EIO, as on a disk with a bad sector that a second try gets past.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const Read real = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, "read"));
    static bool failed = false;
    std::error_code error;
    const auto file = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    if (!failed && file.filename() == "ovras.ini" && ::lseek(fd, 0, SEEK_CUR) >= 65536) {
        failed = true;
        errno = EIO;
        return -1;
    }
    return real(fd, buffer, count);
}
