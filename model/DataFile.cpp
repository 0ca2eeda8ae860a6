// SPDX-License-Identifier: MIT
#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "Numbers.h"

namespace {

// Text before the first comma, or empty when there is none; then drop it and the comma.
std::string_view TakeField(std::string_view& line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return {};
    }
    std::string_view field = line.substr(0, comma);
    line.remove_prefix(comma + 1);
    return field;
}

std::string TakeName(std::string_view& line) {
    if (line.empty() || line.front() != '"') {
        return std::string(TakeField(line));
    }
    // Quoted: up to the closing quote; a doubled quote inside stands for one quote.
    line.remove_prefix(1);
    std::string name;
    std::size_t i = 0;
    for (;; ++i) {
        if (i >= line.size()) {
            // No closing quote: the name is empty and one more character goes.
            line.remove_prefix(std::min<std::size_t>(1, line.size()));
            return {};
        }
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                name += '"';
                ++i;
                continue;
            }
            break;
        }
        name += line[i];
    }
    line.remove_prefix(std::min(i + 2, line.size()));  // closing quote and the comma after it
    return name;
}

bool NeedsQuotes(const std::string& name) {
    return name.find(',') != std::string::npos || (!name.empty() && name.front() == '"');
}

std::string QuoteName(const std::string& name) {
    std::string quoted = "\"";
    if (name.find(',') != std::string::npos) {
        // Names with a comma lose their quotes, as they always have.
        for (char c : name) {
            if (c != '"') {
                quoted += c;
            }
        }
    } else {
        for (char c : name) {
            quoted += c;
            if (c == '"') {
                quoted += '"';
            }
        }
    }
    quoted += '"';
    return quoted;
}

}  // namespace

PersonRecord ParseRecordLine(std::string_view line) {
    PersonRecord record;
    record.name = TakeName(line);
    const std::string_view date = TakeField(line);
    record.icon = ParseInt(TakeField(line));
    record.skipYear = ParseInt(TakeField(line));
    record.daysInAdvance = ParseInt(TakeField(line));
    record.notABirthday = ParseInt(TakeField(line));
    record.infoOnly = TakeField(line) == "1" ? 1 : 0;
    // The address is everything up to the line's last comma, so an address that holds a comma
    // comes back whole; for lines as written (one trailing comma) this is the next field.
    const std::size_t lastComma = line.rfind(',');
    record.email =
        lastComma == std::string_view::npos ? "" : std::string(line.substr(0, lastComma));

    record.day = ParseInt(date.substr(0, 2));
    record.month = ParseInt(date.size() > 2 ? date.substr(2, 2) : std::string_view{});
    record.year = ParseInt(date.size() > 4 ? date.substr(date.size() - 4) : date);
    return record;
}

std::string FormatRecordLine(const PersonRecord& record) {
    char numbers[128];
    std::snprintf(numbers, sizeof numbers, ",%02i%02i%04i,%i,%i,%i,%i,%i,", record.day,
                  record.month, record.year, record.icon, record.skipYear, record.daysInAdvance,
                  record.notABirthday, record.infoOnly ? 1 : 0);
    std::string line = NeedsQuotes(record.name) ? QuoteName(record.name) : record.name;
    line += numbers;
    line += record.email;
    line += ',';
    return line;
}

void ParseRecords(std::string_view text, RecordList& records) {
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lineNumber++ > 0) {
            records.push_back(std::make_unique<PersonRecord>(ParseRecordLine(line)));
        }
    }
}

std::string FormatRecords(const RecordList& records) {
    std::string text = kDataFileHeader;
    text += "\r\n";
    for (const auto& record : records) {
        text += FormatRecordLine(*record);
        text += "\r\n";
    }
    return text;
}

LoadStatus LoadRecords(const std::string& path, RecordList& records) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? LoadStatus::Missing : LoadStatus::Unreadable;
    }
    std::string text;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        text.reserve(static_cast<std::size_t>(info.st_size));
    }
    bool failed = false;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (failed) {
        // Keep the complete lines read so far, never a torn last one.
        const std::size_t lastEnd = text.rfind('\n');
        text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    }
    ParseRecords(text, records);
    return failed ? LoadStatus::Unreadable : LoadStatus::Loaded;
}

namespace {

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Saving through a symbolic link updates the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved = real;
            std::free(real);
            return resolved;
        }
    }
    return path;
}

mode_t NewFileMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool SaveRecords(const std::string& path, const RecordList& records) {
    const std::string target = ResolveTarget(path);
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = ::fchmod(fd, NewFileMode(target)) == 0 &&
                         WriteAll(fd, FormatRecords(records)) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}
