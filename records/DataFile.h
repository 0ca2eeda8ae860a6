// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "PersonRecord.h"

inline constexpr const char* kDataFileName = "ovras.ini";
inline constexpr const char* kDataFileHeader =
    "# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL";

// Limits that keep a damaged or foreign file from exhausting memory; a file beyond them counts as
// not read completely. Far above any real collection of dates.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{256} << 20;
inline constexpr std::size_t kMaxRecords = 1'000'000;

// The text of a whole data file: the first line is skipped, every further line that is not blank
// is a record; nothing is validated. Lines end in LF or CR LF, or in CR when the first one does;
// the last one may have no line end. UTF-16 with a byte-order mark is read as UTF-8. Returns
// false when it stopped after kMaxRecords, at a NUL, or at UTF-16 that is not well formed.
bool ParseRecords(std::string_view text, RecordList& records);
// The file's text of the records without an origin: an address book's dates are never written.
std::string FormatRecords(const RecordList& records);

// What a data file held when it was read, to notice a change by someone else before replacing it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

// Whether the file as it was read (`read`) holds exactly what saving `records` would write, so
// that a save would change nothing; a missing file holds no record.
bool HoldsRecords(const FileStamp& read, const RecordList& records);

enum class LoadStatus {
    Loaded,
    Missing,     // no such file: the ordinary first run
    Unreadable,  // exists but could not be read completely, or is not text the reader knows
};

// Reads the records of `path` one at a time, in file order, and hands each to `take`, which
// returns false to end the reading there (then Loaded). Never holds more than one record and one
// line. A record is handed over only once its line is complete: on Unreadable, the records before
// the failure have been. `stamp`, when given, receives what the file held.
LoadStatus ReadRecords(const std::string& path, const std::function<bool(PersonRecord&)>& take,
                       FileStamp* stamp = nullptr);

// Appends the records of `path`, as ReadRecords reads them.
LoadStatus LoadRecords(const std::string& path, RecordList& records, FileStamp* stamp = nullptr);

// Removes what saves of `path` killed halfway left beside it; only while holding the run lock.
void RemoveSaveLeftovers(const std::string& path);

// The files a data file keeps for itself, which nothing but its own save and lock may write.
enum class OwnFile { None, Data, Backup, Lock };

// Which of the own files of the data file `dataPath` the name `path` reaches, by whatever link or
// name; None for any other file. A data file behind a link keeps its backup beside the file it
// points to, its lock beside the link.
OwnFile OwnFileNamed(const std::string& path, const std::string& dataPath);

enum class SaveStatus {
    Saved,
    ChangedOnDisk,  // the file no longer holds what was read: left alone
    TooLarge,       // more than the reader takes (EFBIG): nothing written
    Failed,
};

struct SaveResult {
    SaveResult(SaveStatus status, int error, std::string file = {})
        : status(status), error(error), file(std::move(file)) {}
    SaveStatus status = SaveStatus::Failed;
    int error = 0;     // errno of the failure
    std::string file;  // the file that failed, when it is not the data file
    explicit operator bool() const { return status == SaveStatus::Saved; }
};

// Replaces `path` with the records by ReplaceFile, so a failed save leaves the previous file
// whole. The previous version is kept as `path`.bak. With `expected`, the file is replaced only
// while it still holds what was read then; a file that exists now but did not then is never
// overwritten. A file the reader would refuse, beyond kMaxRecords or kMaxDataFileBytes, is never
// written. Records with an origin are left out, as FormatRecords does.
SaveResult SaveRecords(const std::string& path, const RecordList& records,
                       const FileStamp* expected = nullptr);
