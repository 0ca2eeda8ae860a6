// SPDX-License-Identifier: MIT
#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "FileReplace.h"
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

// A line break inside a value would split its record in two.
std::string OnOneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
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
    const std::string name = OnOneLine(record.name);
    std::string line = NeedsQuotes(name) ? QuoteName(name) : name;
    line += numbers;
    line += OnOneLine(record.email);
    line += ',';
    return line;
}

bool ParseRecords(std::string_view text, RecordList& records, std::size_t maxRecords) {
    std::size_t added = 0;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (header) {
            header = false;
            continue;
        }
        if (added == maxRecords) {
            return false;
        }
        records.push_back(std::make_unique<PersonRecord>(ParseRecordLine(line)));
        ++added;
    }
    return true;
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

FileText ReadDataFile(const std::string& path) {
    FileText file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        file.error = errno;
        file.exists = errno != ENOENT;
        return file;
    }
    file.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return file;
    }
    file.text.reserve(
        std::min<std::size_t>(static_cast<std::size_t>(info.st_size), kMaxDataFileBytes));
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
        if (file.text.size() + count > kMaxDataFileBytes) {
            file.text.append(buffer, kMaxDataFileBytes - file.text.size());
            file.error = EFBIG;
            break;
        }
        file.text.append(buffer, count);
    }
    ::close(fd);
    return file;
}

namespace {

// FNV-1a: enough to tell whether a file changed, not meant to resist anyone.
FileStamp StampOf(const FileText& file) {
    FileStamp stamp;
    stamp.exists = file.exists;
    stamp.size = file.text.size();
    stamp.hash = 14695981039346656037ull;
    for (const char c : file.text) {
        stamp.hash = (stamp.hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return stamp;
}

}  // namespace

LoadStatus LoadRecords(const std::string& path, RecordList& records, FileStamp* stamp) {
    FileText file = ReadDataFile(path);
    if (stamp != nullptr) {
        *stamp = StampOf(file);
    }
    if (!file.exists) {
        return LoadStatus::Missing;
    }
    if (!file.complete) {
        // Keep the complete lines read so far, never a torn last one.
        const std::size_t lastEnd = file.text.rfind('\n');
        file.text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    }
    const bool allRecords = ParseRecords(file.text, records, kMaxRecords);
    return file.complete && allRecords ? LoadStatus::Loaded : LoadStatus::Unreadable;
}

namespace {

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

}  // namespace

SaveResult SaveRecords(const std::string& path, const RecordList& records,
                       const FileStamp* expected) {
    const std::string target = ResolveTarget(path);
    const FileText current = ReadDataFile(target);
    if (current.exists && !current.complete) {
        return {SaveStatus::Failed, current.error};  // what cannot be read is never replaced
    }
    // A file that went away may be written again; one that appeared or changed belongs to
    // someone else.
    if (expected != nullptr && current.exists &&
        (!expected->exists || StampOf(current) != *expected)) {
        return {SaveStatus::ChangedOnDisk, 0};
    }
    const std::string text = FormatRecords(records);
    if (current.exists && current.text == text) {
        return {SaveStatus::Saved, 0};  // nothing to replace, and the backup stays one step back
    }
    const mode_t mode = NewFileMode(target);
    std::string temp;
    if (const int error = WriteBeside(target, text, mode, temp)) {
        return {SaveStatus::Failed, error};
    }
    // The previous version becomes the backup before the new one takes its place, so at every
    // moment the file is complete, old or new.
    if (current.exists) {
        const std::string backup = target + ".bak";
        std::string backupTemp;
        int error = WriteBeside(backup, current.text, mode, backupTemp);
        if (error == 0 && ::rename(backupTemp.c_str(), backup.c_str()) != 0) {
            error = errno;
            ::unlink(backupTemp.c_str());
        }
        if (error != 0) {
            ::unlink(temp.c_str());
            return {SaveStatus::Failed, error};
        }
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return {SaveStatus::Failed, error};
    }
    SyncFolder(target);
    return {SaveStatus::Saved, 0};
}
