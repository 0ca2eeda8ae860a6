// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PersonRecord.h"

inline constexpr const char* kDataFileName = "ovras.ini";
inline constexpr const char* kDataFileHeader =
    "# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL";

// One data line (without its line end) to a record, and back. Every line gives a record; nothing
// is validated.
PersonRecord ParseRecordLine(std::string_view line);
std::string FormatRecordLine(const PersonRecord& record);

// The whole file: the first line is skipped, every further line is a record. Lines end in LF or
// CR LF; the last one may have no line end. Returns false when it stopped at `maxRecords`.
bool ParseRecords(std::string_view text, RecordList& records,
                  std::size_t maxRecords = static_cast<std::size_t>(-1));
std::string FormatRecords(const RecordList& records);

// Limits that keep a damaged or foreign file from exhausting memory; a file beyond them counts as
// not read completely. Far above any real collection of dates.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{256} << 20;
inline constexpr std::size_t kMaxRecords = 1'000'000;

struct FileText {
    bool exists = false;
    bool complete = false;  // read to its end
    int error = 0;          // errno when not complete: EISDIR for a folder, EINVAL for anything
                            // else that is no regular file, EFBIG beyond kMaxDataFileBytes
    std::string text;
};

// Reads a regular file whole, up to kMaxDataFileBytes: the data file, or a file to import. Never
// waits on a pipe or a device, which may never end.
FileText ReadDataFile(const std::string& path);

// What a data file held when it was read, to notice a change by someone else before replacing it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

enum class LoadStatus {
    Loaded,
    Missing,     // no such file: the ordinary first run
    Unreadable,  // exists but could not be read completely
};

// Appends the records of `path`. On Unreadable the records read before the failure stay. `stamp`,
// when given, receives what the file held.
LoadStatus LoadRecords(const std::string& path, RecordList& records, FileStamp* stamp = nullptr);

enum class SaveStatus {
    Saved,
    ChangedOnDisk,  // the file no longer holds what was read: left alone
    Failed,
};

struct SaveResult {
    SaveStatus status = SaveStatus::Failed;
    int error = 0;  // errno of the failure
    explicit operator bool() const { return status == SaveStatus::Saved; }
};

// Replaces `path` with the records: the new file is written beside it, flushed to disk and renamed
// over the old one only when complete, so a failed save leaves the previous file whole. The
// previous version is kept as `path`.bak. With `expected`, the file is replaced only while it
// still holds what was read then; a file that exists now but did not then is never overwritten.
SaveResult SaveRecords(const std::string& path, const RecordList& records,
                       const FileStamp* expected = nullptr);
