// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "records/DataFile.h"

// What went wrong while reading contacts, importing or exporting, with the details its words
// need. The core says no sentence: the windows and the command line word it in the user's
// language (platform/Messages).
struct Problem {
    enum class Kind {
        None,
        NoHome,  // the home directory that HOME names cannot be used
        // A vCard text.
        Utf16,            // a UTF-16 byte-order mark
        Binary,           // a NUL byte on `line`
        LineTooLong,      // `line` is longer than `count` MB
        TooManyContacts,  // more than `count` cards
        NoEnd,            // the card that begins on `line` does not end
        NoBegin,          // no card at all
        // Reading a file or standard input.
        Folder,
        NotRegular,
        TooLarge,    // larger than `count` MB
        CannotRead,  // `error`
        // The import.
        TooManyRecords,    // would make `count` records, more than `limit`
        DataFileBusy,      // another run holds the lock
        NoLock,            // the lock could not be taken: `error`
        Unreadable,        // the data file was read in part; `detail`: where a dead link points
        ChangedOnDisk,     // another program changed the data file meanwhile
        DataFileTooLarge,  // the records would be more than the reader takes
        CannotSave,        // `error`, `why`; `detail`: the file that failed, when not the data file
        // The export.
        OwnFile,         // `file` is one of the data file's own: `own` (OwnFile of DataFile.h)
        NoDataFile,      // nothing to export
        CalendarFailed,  // libical refused; `detail`: its reason
        HardLinks,       // `file` has other names
        DeadLink,        // `file` points to `detail`, which does not exist
        CannotWrite,     // `error`, `why`
    };
    // Why a file could not be replaced, beyond its errno.
    enum class Why { Errno, FolderRefuses, OwnerAndGroup };

    Kind kind = Kind::None;
    std::string file;       // the file it concerns; "-": standard input or output
    std::size_t line = 0;   // the line of the text, from 1
    std::size_t count = 0;  // contacts, records or megabytes, as the kind says
    std::size_t limit = 0;
    int error = 0;  // errno
    Why why = Why::Errno;
    OwnFile own = OwnFile::None;
    std::string detail;
    // Said of a step of an import that left the records as they were.
    bool nothingImported = false;

    bool Failed() const { return kind != Kind::None; }
};

// Why `file` could not be replaced. A file the user may write still fails when its folder takes
// no new file (EACCES), or (EPERM) when it belongs to another user or group, which a new file in
// its place cannot be given.
Problem::Why WhyNotReplaced(int error, const std::string& file);

// Where `path` points when it is a symbolic link to nothing, as to a drive not mounted; else empty.
std::string MissingTarget(const std::string& path);
