// SPDX-License-Identifier: MIT
#include "RunLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

RunLock::RunLock(std::string path) : path_(std::move(path)) {
    // The holder removes the file when it is done. A lock won on a file that was removed
    // meanwhile guards nothing, so it is tried again on the file now at the path.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const int fd =
            ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        if (fd < 0) {
            error_ = errno;
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error_ = errno;
            state_ = errno == EWOULDBLOCK ? State::Busy : State::Unavailable;
            ::close(fd);
            return;
        }
        struct stat locked {};
        struct stat atPath {};
        if (::fstat(fd, &locked) == 0 && ::stat(path_.c_str(), &atPath) == 0 &&
            locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino) {
            fd_ = fd;
            state_ = State::Held;
            return;
        }
        ::close(fd);
    }
    error_ = EAGAIN;  // removed under us every time
}

RunLock::~RunLock() {
    if (fd_ < 0) {
        return;
    }
    // Only our own file goes: while we hold it no one else can have put another in its place,
    // unless someone removed ours by hand.
    struct stat locked {};
    struct stat atPath {};
    if (::fstat(fd_, &locked) == 0 && ::stat(path_.c_str(), &atPath) == 0 &&
        locked.st_dev == atPath.st_dev && locked.st_ino == atPath.st_ino) {
        ::unlink(path_.c_str());
    }
    ::close(fd_);
}
