// SPDX-License-Identifier: MIT
#include "DataFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "storage/FileReplace.h"
#include "text/DisplayText.h"
#include "text/Lines.h"
#include "text/Numbers.h"
#include "text/Text.h"

namespace {

// Text before the first comma, then drop it and the comma. A hand-edited line may end without
// the last comma: then the field is all that is left.
std::string_view TakeField(std::string_view& line) {
    const std::size_t comma = std::min(line.find(','), line.size());
    std::string_view field = line.substr(0, comma);
    line.remove_prefix(std::min(comma + 1, line.size()));
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
                // Damaged, as "Smith, Anna"x: all of it up to the next comma is the name, so
                // that neither its text nor the fields after it are lost.
                const std::size_t comma = std::min(line.find(',', i), line.size());
                name = line.substr(0, comma);
                line.remove_prefix(std::min(comma + 1, line.size()));
                return name;
            }
        }
    }
    return std::string(TakeField(line));
}

// A date or number as a spreadsheet may save it: with blanks around it, or in double quotes.
std::string_view Bare(std::string_view field) {
    field = Trim(field, " \t");
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.substr(1, field.size() - 2);
    }
    return field;
}

// A date typed by hand as 7.12.1990, 07/12/1990, 7.12. or 1990-12-07; false for any other text.
// Read as eight digits, it would come back as another date on the next save.
bool ReadTypedDate(std::string_view date, PersonRecord& record) {
    int parts[3] = {};
    std::size_t digits[3] = {};
    std::size_t n = 0;
    char separator = 0;
    for (const char c : date) {
        if (c >= '0' && c <= '9' && digits[n] < 4) {
            parts[n] = parts[n] * 10 + (c - '0');
            ++digits[n];
        } else if ((c == '.' || c == '/' || c == '-') && (separator == 0 || c == separator) &&
                   digits[n] > 0 && n < 2) {
            separator = c;
            ++n;
        } else {
            return false;
        }
    }
    // A dash only in year-first order: the written form of a negative day or month has one too.
    const bool isoOrder = digits[0] == 4;
    if (n == 0 || (separator == '-') != isoOrder ||
        (isoOrder ? n != 2 || digits[1] > 2 || digits[2] == 0 || digits[2] > 2
                  : digits[0] > 2 || digits[1] == 0 || digits[1] > 2)) {
        return false;
    }
    record.day = isoOrder ? parts[2] : parts[0];
    record.month = parts[1];
    record.year = isoOrder ? parts[0] : parts[2];
    return true;
}

// Whether the first line of a file holds a record rather than a header: a file made by hand or
// by another program may start with its first record, which would be lost on the next save.
// A header as written here starts with '#'; a record has a date of eight digits.
bool LooksLikeRecord(std::string_view line) {
    if (line.empty() || line.front() == '#') {
        return false;
    }
    TakeName(line);
    const std::string_view date = Bare(TakeField(line));
    if (date.size() != 8 ||
        !std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const int day = ParseInt(date.substr(0, 2)), month = ParseInt(date.substr(2, 2));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

// A line break inside a value would split its record in two, and a NUL makes the reader refuse
// the file.
std::string OnOneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

bool NeedsQuotes(const std::string& name) {
    return name.find(',') != std::string::npos || (!name.empty() && name.front() == '"');
}

std::string QuoteName(const std::string& name) {
    std::string quoted = "\"";
    if (name.find(',') != std::string::npos) {
        // Quote characters are dropped, not doubled: readers that know no doubling would end
        // the name at the first one and split the record at its comma.
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
    const std::string_view date = Bare(TakeField(line));
    record.icon = ParseInt(Bare(TakeField(line)));
    record.skipYear = ParseInt(Bare(TakeField(line)));
    record.daysInAdvance = ParseInt(Bare(TakeField(line)));
    record.notABirthday = ParseInt(Bare(TakeField(line)));
    const std::string_view infoOnly = TakeField(line);
    record.infoOnly = infoOnly == "1" || infoOnly == "\"1\"" ? 1 : 0;
    // The address is everything up to the line's last comma, so an address that holds a comma
    // comes back whole; for lines as written (one trailing comma) this is the next field. A line
    // edited by hand may have lost that comma, not the address.
    if (line.ends_with(',')) {
        line.remove_suffix(1);
    }
    record.email = line;

    if (ReadTypedDate(date, record)) {
        return record;
    }
    record.day = ParseInt(date.substr(0, 2));
    record.month = ParseInt(date.size() > 2 ? date.substr(2, 2) : std::string_view{});
    // The year follows day and month; a date such as 0303 has none, and gets none (0) rather
    // than one made of its day and month.
    if (date.size() > 8) {
        record.year = ParseInt(date.substr(date.size() - 4));
    } else if (date.size() > 4) {
        record.year = ParseInt(date.substr(4));
    }
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

// The text of a data file from its bytes, which arrive in pieces. Editors may save it as UTF-16
// with a byte-order mark ("Unicode"): that becomes UTF-8. When the first line ends in a lone CR,
// as old Mac editors write, every CR ends a line (a CR LF once); otherwise only LF does, as a CR
// inside a value has always been kept. A NUL or broken UTF-16 means the file is not text as
// this program knows it: refused, so that no save replaces what was not understood.
class FileText {
public:
    // Hands the text of `piece` to `take`; false when refused or when `take` said stop.
    template <class Take>
    bool Feed(std::string_view piece, Take&& take) {
        if (encoding_ != Encoding::Unknown) {
            return Decode(piece, take);
        }
        // The byte-order mark takes two bytes, which may come in two pieces.
        head_.append(piece);
        if (head_.size() < 2) {
            return true;
        }
        const std::string head = std::move(head_);
        encoding_ = head.starts_with("\xFF\xFE")   ? Encoding::Utf16Le
                    : head.starts_with("\xFE\xFF") ? Encoding::Utf16Be
                                                   : Encoding::Bytes;
        return Decode(std::string_view(head).substr(encoding_ == Encoding::Bytes ? 0 : 2), take);
    }

    template <class Take>
    bool Finish(Take&& take) {
        if (encoding_ == Encoding::Unknown) {
            encoding_ = Encoding::Bytes;
            if (!Decode(head_, take)) {
                return false;
            }
        }
        if (oddByte_ >= 0 || highSurrogate_ != 0) {
            refused_ = true;  // a code unit or a pair cut off
        }
        return !refused_;
    }

    bool refused() const { return refused_; }

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };
    enum class Ends { Unknown, Lf, Cr };

    template <class Take>
    bool Decode(std::string_view bytes, Take& take) {
        if (encoding_ == Encoding::Bytes) {
            return Cut(bytes, take);
        }
        std::string text;
        text.reserve(bytes.size() * 3 / 2);
        for (const char c : bytes) {
            if (oddByte_ < 0) {
                oddByte_ = static_cast<unsigned char>(c);
                continue;
            }
            const auto second = static_cast<unsigned char>(c);
            const char32_t unit =
                encoding_ == Encoding::Utf16Le ? oddByte_ | second << 8 : oddByte_ << 8 | second;
            oddByte_ = -1;
            const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
            if (highSurrogate_ != 0) {
                if (!low) {
                    return Refuse();
                }
                AppendUtf8(text, 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
                highSurrogate_ = 0;
            } else if (unit >= 0xD800 && unit <= 0xDBFF) {
                highSurrogate_ = unit;
            } else if (low) {
                return Refuse();
            } else {
                AppendUtf8(text, unit);
            }
        }
        return Cut(text, take);
    }

    template <class Take>
    bool Cut(std::string_view text, Take& take) {
        if (text.find('\0') != std::string_view::npos) {
            return Refuse();
        }
        std::string joined;
        if (heldCr_) {
            heldCr_ = false;
            joined = "\r";
            joined += text;
            text = joined;
        }
        if (ends_ == Ends::Unknown) {
            const std::size_t end = text.find_first_of("\r\n");
            if (end == std::string_view::npos) {
                return take(text);
            }
            if (text[end] == '\r' && end + 1 == text.size()) {
                heldCr_ = true;  // the next piece tells whether an LF follows
                return take(text.substr(0, end));
            }
            ends_ = text[end] == '\r' && text[end + 1] != '\n' ? Ends::Cr : Ends::Lf;
        }
        if (ends_ == Ends::Lf) {
            return take(text);
        }
        std::string lines;
        lines.reserve(text.size());
        for (const char c : text) {
            if (c != '\n' || !afterCr_) {
                lines += c == '\r' ? '\n' : c;
            }
            afterCr_ = c == '\r';
        }
        return take(std::string_view(lines));
    }

    bool Refuse() {
        refused_ = true;
        return false;
    }

    Encoding encoding_ = Encoding::Unknown;
    std::string head_;  // the first bytes, until there are two
    int oddByte_ = -1;  // the first byte of a UTF-16 code unit
    char32_t highSurrogate_ = 0;
    Ends ends_ = Ends::Unknown;
    bool heldCr_ = false;
    bool afterCr_ = false;
    bool refused_ = false;
};

// Record lines from pieces of a data file: the first line is the header unless it holds a record,
// every further one that is not blank a record, until kMaxRecords.
class RecordLines {
public:
    explicit RecordLines(const std::function<bool(PersonRecord&)>& take) : take_(take) {}

    bool Feed(std::string_view piece) {
        return text_.Feed(piece, [this](std::string_view text) {
            return lines_.Feed(text, [this](std::string_view line) { return Take(line); });
        });
    }
    bool Finish() {
        return text_.Finish([this](std::string_view text) {
            return lines_.Feed(text, [this](std::string_view line) { return Take(line); });
        }) && lines_.Finish([this](std::string_view line) { return Take(line); });
    }
    // Beyond kMaxRecords, or not text as this program knows it.
    bool refused() const { return overLimit_ || text_.refused(); }

private:
    bool Take(std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (header_) {
            header_ = false;
            if (line.starts_with("\xEF\xBB\xBF")) {
                line.remove_prefix(3);  // an editor's UTF-8 byte-order mark is no part of a name
            }
            if (!LooksLikeRecord(line)) {
                return true;
            }
        }
        if (line.find_first_not_of(" \t\r\v\f") == std::string_view::npos) {
            return true;  // a blank line holds no record
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
    FileText text_;
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

// Size and hash: enough to tell whether a file changed.
struct Stamper {
    void Add(std::string_view piece) {
        stamp.size += piece.size();
        stamp.hash = Fnv1a(piece, stamp.hash);
    }
    FileStamp stamp{false, 0, kFnv1aStart};
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
        if (record->origin != nullptr) {
            continue;  // an address book's, kept in its own copy
        }
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
        if (stamp != nullptr) {
            stamper.Add(piece);  // the hash is a pass over every byte: only when asked for
        }
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
    return lines.refused() ? LoadStatus::Unreadable : LoadStatus::Loaded;
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
    const auto named = [&](const std::string& data) {
        return SameFile(path, data)             ? OwnFile::Data
               : SameFile(path, data + ".bak")  ? OwnFile::Backup
               : SameFile(path, data + ".lock") ? OwnFile::Lock
                                                : OwnFile::None;
    };
    const OwnFile own = named(dataPath);
    const std::string target = ResolveTarget(dataPath);
    return own != OwnFile::None || target == dataPath ? own : named(target);
}

SaveResult SaveRecords(const std::string& path, const RecordList& records,
                       const FileStamp* expected) {
    if (std::count_if(records.begin(), records.end(), [](const auto& r) {
            return r->origin == nullptr;
        }) > static_cast<std::ptrdiff_t>(kMaxRecords)) {
        return {SaveStatus::TooLarge, EFBIG};
    }
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
    if (text.size() > kMaxDataFileBytes) {
        return {SaveStatus::TooLarge, EFBIG};
    }
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
        if (const int error = Replaceable(target, info)) {
            return {SaveStatus::Failed, error};
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

bool HoldsRecords(const FileStamp& read, const RecordList& records) {
    if (!read.exists) {
        return std::none_of(records.begin(), records.end(),
                            [](const auto& record) { return record->origin == nullptr; });
    }
    const std::string text = FormatRecords(records);
    return text.size() == read.size && Fnv1a(text) == read.hash;
}
