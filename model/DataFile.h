// SPDX-License-Identifier: MIT
#pragma once

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
// CR LF; the last one may have no line end.
void ParseRecords(std::string_view text, RecordList& records);
std::string FormatRecords(const RecordList& records);

enum class LoadStatus {
    Loaded,
    Missing,     // no such file: the ordinary first run
    Unreadable,  // exists but could not be read completely
};

// Appends the records of `path`. On Unreadable the records read before the failure stay.
LoadStatus LoadRecords(const std::string& path, RecordList& records);

// Replaces `path` with the records: the new file is written beside it, flushed to disk and renamed
// over the old one only when complete, so a failed save leaves the previous file whole.
bool SaveRecords(const std::string& path, const RecordList& records);
