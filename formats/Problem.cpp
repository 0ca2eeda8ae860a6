// SPDX-License-Identifier: MIT
#include "Problem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

Problem::Why WhyNotReplaced(int error, const std::string& file) {
    if (error == EACCES && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0) {
        return Problem::Why::FolderRefuses;
    }
    struct stat info {};
    if (error == EPERM && ::geteuid() != 0 && ::stat(file.c_str(), &info) == 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
        groups.resize(static_cast<std::size_t>(
            std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
        if (info.st_uid != ::geteuid() ||
            (info.st_gid != ::getegid() &&
             std::find(groups.begin(), groups.end(), info.st_gid) == groups.end())) {
            return Problem::Why::OwnerAndGroup;
        }
    }
    return Problem::Why::Errno;
}

std::string MissingTarget(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path target = std::filesystem::read_symlink(path, failed);
    return !failed && !std::filesystem::exists(path, failed) ? target.string() : "";
}
