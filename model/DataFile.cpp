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
#include "Lines.h"
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
    // Quoted only when the closing quote ends the field: older writers put names such as
    // "Big" Tom down bare, and an unclosed quote is text too.
    if (!line.empty() && line.front() == '"') {
        std::string name;
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (line[i] != '"') {
                name += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                name += '"';  // a doubled quote stands for one
                ++i;
            } else if (i + 1 == line.size() || line[i + 1] == ',') {
                line.remove_prefix(std::min(i + 2, line.size()));
                return name;
            } else {
                break;
            }
        }
    }
    return std::string(TakeField(line));
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

// Record lines from pieces of a data file: the first line is the header, every further one a
// record, until kMaxRecords.
class RecordLines {
public:
    explicit RecordLines(const std::function<bool(PersonRecord&)>& take) : take_(take) {}

    bool Feed(std::string_view piece) {
        return lines_.Feed(piece, [this](std::string_view line) { return Take(line); });
    }
    bool Finish() {
        return lines_.Finish([this](std::string_view line) { return Take(line); });
    }
    bool overLimit() const { return overLimit_; }

private:
    bool Take(std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (header_) {
            header_ = false;
            return true;
        }
        if (count_ == kMaxRecords) {
            overLimit_ = true;
            return false;
        }
        ++count_;
        PersonRecord record = ParseRecordLine(line);
        return take_(record);
    }

    const std::function<bool(PersonRecord&)>& take_;
    LineSplitter lines_;
    bool header_ = true;
    bool overLimit_ = false;
    std::size_t count_ = 0;
};

std::function<bool(PersonRecord&)> AppendTo(RecordList& records) {
    return [&records](PersonRecord& record) {
        records.push_back(std::make_unique<PersonRecord>(std::move(record)));
        return true;
    };
}

// FNV-1a: enough to tell whether a file changed, not meant to resist anyone.
struct Stamper {
    void Add(std::string_view piece) {
        stamp.size += piece.size();
        for (const char c : piece) {
            stamp.hash = (stamp.hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
    }
    FileStamp stamp{false, 0, 14695981039346656037ull};
};

}  // namespace

bool ParseRecords(std::string_view text, RecordList& records) {
    const auto take = AppendTo(records);
    RecordLines lines(take);
    return lines.Feed(text) && lines.Finish();
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

LoadStatus ReadRecords(const std::string& path, const std::function<bool(PersonRecord&)>& take,
                       FileStamp* stamp) {
    RecordLines lines(take);
    Stamper stamper;
    bool stopped = false;
    const FileRead file = ReadPieces(path, kMaxDataFileBytes, true, [&](std::string_view piece) {
        stamper.Add(piece);
        stopped = !lines.Feed(piece);
        return !stopped;
    });
    if (stamp != nullptr) {
        *stamp = stamper.stamp;
        stamp->exists = file.exists;
    }
    if (!file.exists) {
        return LoadStatus::Missing;
    }
    if (!stopped && !file.complete) {
        return LoadStatus::Unreadable;  // a torn last line is never handed over
    }
    if (!stopped) {
        lines.Finish();
    }
    return lines.overLimit() ? LoadStatus::Unreadable : LoadStatus::Loaded;
}

LoadStatus LoadRecords(const std::string& path, RecordList& records, FileStamp* stamp) {
    return ReadRecords(path, AppendTo(records), stamp);
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

void RemoveSaveLeftovers(const std::string& path) {
    const std::string target = ResolveTarget(path);
    RemoveReplaceLeftovers(target, {".bak"});
}

OwnFile OwnFileNamed(const std::string& path, const std::string& dataPath) {
    const std::string target = ResolveTarget(dataPath);
    for (const std::string& data : {dataPath, target}) {
        if (SameFile(path, data)) {
            return OwnFile::Data;
        }
        if (SameFile(path, data + ".bak")) {
            return OwnFile::Backup;
        }
        if (SameFile(path, data + ".lock")) {
            return OwnFile::Lock;
        }
    }
    return OwnFile::None;
}

SaveResult SaveRecords(const std::string& path, const RecordList& records,
                       const FileStamp* expected) {
    const std::string target = ResolveTarget(path);
    std::string current;
    Stamper stamper;
    const FileRead file = ReadPieces(target, kMaxDataFileBytes, true, [&](std::string_view piece) {
        stamper.Add(piece);
        current.append(piece);
        return true;
    });
    if (file.exists && !file.complete) {
        return {SaveStatus::Failed, file.error};  // what cannot be read is never replaced
    }
    stamper.stamp.exists = true;
    // A file that went away may be written again; one that appeared or changed belongs to
    // someone else.
    if (expected != nullptr && file.exists && (!expected->exists || stamper.stamp != *expected)) {
        return {SaveStatus::ChangedOnDisk, 0};
    }
    const std::string text = FormatRecords(records);
    if (file.exists && current == text) {
        return {SaveStatus::Saved, 0};  // nothing to replace, and the backup stays one step back
    }
    // The previous version becomes the backup, as private as the file and with its owner, before
    // the new one takes its place, so at every moment the file is complete, old or new.
    if (file.exists) {
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0) {
            return {SaveStatus::Failed, errno};
        }
        // The folder may let anyone replace a file its owner made read-only to them.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return {SaveStatus::Failed, errno};
        }
        // A new file in its place would split it from its other names. Writing in place would
        // keep them, but a save killed halfway would then tear the file.
        if (info.st_nlink > 1) {
            return {SaveStatus::Failed, EMLINK};
        }
        if (const int error = ReplaceFile(target + ".bak", current, info)) {
            return {SaveStatus::Failed, error, target + ".bak"};
        }
    }
    if (const int error = ReplaceFile(target, text)) {
        return {SaveStatus::Failed, error};
    }
    return {SaveStatus::Saved, 0};
}
