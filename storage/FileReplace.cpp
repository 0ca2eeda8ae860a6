// SPDX-License-Identifier: MIT
#include "FileReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::string_view kTempMark = ".ovrana-new.";
constexpr std::size_t kTempLetters = 6;
constexpr unsigned kKeep = static_cast<unsigned>(-1);  // fchown's "leave it as it is"
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

std::string TempName(const std::string& path) {
    unsigned char random[kTempLetters] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        for (unsigned char& byte : random) {
            byte = static_cast<unsigned char>(std::rand());
        }
    }
    std::string name = path;
    name += kTempMark;
    for (const unsigned char byte : random) {
        name += kLetters[byte % kLetters.size()];
    }
    return name;
}

bool IsTempName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + kTempMark.size() + kTempLetters ||
        name.substr(0, base.size()) != base ||
        name.substr(base.size(), kTempMark.size()) != kTempMark) {
        return false;
    }
    const std::string_view letters = name.substr(base.size() + kTempMark.size());
    return std::all_of(letters.begin(), letters.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

// Gives the unnamed file `fd` a free temporary name beside `path`.
int NameUnnamed(int fd, const std::string& path, std::string& temp) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = TempName(path);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno != EEXIST && ::linkat(fd, "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0)) {
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

// A new file beside `target`, flushed to disk, with its name in `temp`. Returns 0 or the errno of
// the failure, after which no new file is left.
int WriteNew(const std::string& target, const std::string& text, const struct stat& like,
             std::string& temp) {
    const mode_t mode = like.st_mode & 07777;
    temp.clear();
    int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        temp = target;
        temp += kTempMark;
        temp.append(kTempLetters, 'X');
        fd = ::mkstemp(temp.data());
        if (fd < 0) {
            return errno;
        }
    }
    // Saving someone else's file must not make it the saver's: where the system does not let
    // the owner be kept, nothing is saved. Owner first, as a change of owner may clear mode bits.
    int error = 0;
    struct stat made {};
    const auto otherOwner = [&] {
        return (like.st_uid != kKeep && made.st_uid != like.st_uid) ||
               (like.st_gid != kKeep && made.st_gid != like.st_gid);
    };
    if (::fstat(fd, &made) != 0 || (otherOwner() && ::fchown(fd, like.st_uid, like.st_gid) != 0) ||
        ::fchmod(fd, mode) != 0 || !WriteAll(fd, text) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (error == 0 && unnamed) {
        error = NameUnnamed(fd, target, temp);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0 && !temp.empty()) {
        ::unlink(temp.c_str());
    }
    return error;
}

// Makes the renames in the file's folder last through a power cut.
void SyncFolder(const std::string& file) {
    const int fd = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Opens what is there without creating anything, so a FIFO or a device takes the text as it would
// from `>`; a FIFO waits for its reader as the shell does.
int WriteStream(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    struct stat info {};
    // Whatever took the name meanwhile, it is not written without the checks of a regular file.
    int error = ::fstat(fd, &info) != 0 ? errno : S_ISREG(info.st_mode) ? EAGAIN : 0;
    if (error == 0 && !WriteAll(fd, text)) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

}  // namespace

FileRead ReadPieces(const std::string& path, std::size_t maxBytes, bool followLinks,
                    const std::function<bool(std::string_view)>& take) {
    FileRead file;
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        file.error = errno;
        // A link into a drive that is not mounted is not a first run.
        struct stat link {};
        file.exists =
            errno != ENOENT || (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode));
        return file;
    }
    file.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return file;
    }
    std::size_t total = 0;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            file.error = errno;
            break;
        }
        if (n == 0) {
            file.complete = true;
            break;
        }
        const auto count = static_cast<std::size_t>(n);
        if (count > maxBytes - total) {
            take(std::string_view(buffer, maxBytes - total));
            file.error = EFBIG;
            break;
        }
        total += count;
        if (!take(std::string_view(buffer, count))) {
            break;
        }
    }
    ::close(fd);
    return file;
}

int ReplaceFile(const std::string& path, const std::string& text, const struct stat& like) {
    std::string temp;
    if (const int error = WriteNew(path, text, like, temp)) {
        return error;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return error;
    }
    SyncFolder(path);
    return 0;
}

int ReplaceFile(const std::string& path, const std::string& text) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        info.st_mode = 0666 & ~mask;
        info.st_uid = kKeep;  // as the folder gives them
        info.st_gid = kKeep;
    }
    return ReplaceFile(path, text, info);
}

int WriteInto(const std::string& path, const std::string& text) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return errno;
        }
        // A link to nothing may point into a drive that is not mounted: nothing is made there.
        return ::lstat(path.c_str(), &info) == 0 ? ENOENT : ReplaceFile(path, text);
    }
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    // Opened by the name as given, so that /dev/stdout reaches a pipe as well.
    if (!S_ISREG(info.st_mode)) {
        return WriteStream(path, text);
    }
    // The file a link names is replaced, not the link.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return errno;
    }
    const std::string target = real;
    std::free(real);
    if (const int error = Replaceable(target, info)) {
        return error;
    }
    return ReplaceFile(target, text, info);
}

int Replaceable(const std::string& path, const struct stat& info) {
    // The folder may let anyone replace a file its owner made read-only to them.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return errno;
    }
    // A new file in its place would split it from its other names. Writing in place would keep
    // them, but a write cut short would tear the file.
    return info.st_nlink > 1 ? EMLINK : 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    const bool firstThere = ::stat(a.c_str(), &first) == 0;
    const bool secondThere = ::stat(b.c_str(), &second) == 0;
    if (firstThere || secondThere) {
        return firstThere && secondThere && first.st_dev == second.st_dev &&
               first.st_ino == second.st_ino;
    }
    // Absolute first: weakly_canonical leaves a relative name relative when nothing of it exists.
    const auto named = [](const std::string& path, std::error_code& failed) {
        const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
        return failed ? absolute : std::filesystem::weakly_canonical(absolute, failed);
    };
    std::error_code failed, alsoFailed;
    const std::filesystem::path nameA = named(a, failed);
    return !failed && nameA == named(b, alsoFailed) && !alsoFailed;
}

void RemoveReplaceLeftovers(const std::string& path,
                            std::initializer_list<std::string_view> alsoSuffixes) {
    const std::string folder = FolderOf(path);
    const std::string base = path.substr(path.rfind('/') + 1);
    const auto isLeftover = [&](std::string_view name) {
        return IsTempName(name, base) ||
               std::any_of(alsoSuffixes.begin(), alsoSuffixes.end(), [&](std::string_view suffix) {
                   return IsTempName(name, base + std::string(suffix));
               });
    };
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info {};
        if (isLeftover(entry->d_name) &&
            ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}
