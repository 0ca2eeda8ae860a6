// SPDX-License-Identifier: MIT
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>

#include "TestSupport.h"
#include "model/DataFile.h"

namespace {

const std::string kHeader = std::string(kDataFileHeader) + "\r\n";

RecordList Parse(const std::string& text) {
    RecordList records;
    ParseRecords(text, records);
    return records;
}

PersonRecord Line(const std::string& line) {
    RecordList records = Parse("header\n" + line + "\n");
    return records.empty() ? PersonRecord{} : *records.front();
}

std::size_t FilesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.File("")), {});
}

}  // namespace

TEST(DataFile, WritesTheExactFormat) {
    RecordList records;
    Append(records, Record("Smith, Anna", 5, 12, 1976))->icon = 2;
    PersonRecord party = Record("Office \"party\"", 10, 12, 0, 3);
    party.icon = 8;
    party.skipYear = 2026;
    party.notABirthday = 1;
    party.infoOnly = 1;
    party.email = "x@example.org";
    Append(records, party);
    EXPECT_EQ(FormatRecords(records),
              kHeader +
                  "\"Smith, Anna\",05121976,2,-1,14,0,0,,\r\n"
                  "Office \"party\",10120000,8,2026,3,1,1,x@example.org,\r\n");
}

TEST(DataFile, RoundTripKeepsEveryStoredField) {
    PersonRecord full = Record("Ölaf Ångström", 29, 2, 1980, 365);
    full.icon = 16;
    full.skipYear = 2027;
    full.notABirthday = 7;
    full.infoOnly = 1;
    full.email = "\"Doe, John\"@example.com";  // an address may hold a comma
    PersonRecord extremes = Record("Extremes", 31, 12, 9999, INT_MIN);
    extremes.icon = -1;
    extremes.skipYear = INT_MAX;
    PersonRecord pasted = Record("Anna\nSmith", 1, 2, 1990);
    pasted.email = "a@b\n.org";
    const std::pair<PersonRecord, const char*> cases[] = {
        {full, "Ölaf Ångström"},
        {extremes, "Extremes"},
        {Record("\"Quoted\" at the start", 1, 1, 2000), "\"Quoted\" at the start"},
        {Record("\"\"", 2, 2, 0), "\"\""},
        {Record("with \"quotes\" inside", 3, 3, 1999), "with \"quotes\" inside"},
        {Record("The \"Big\", Day", 1, 1, 2000), "The Big, Day"},  // loses its quotes
        {Record("", 0, 0, 0, -3), ""},
        {pasted, "Anna Smith"},  // a line break would split the record
    };
    for (const auto& [record, name] : cases) {
        SCOPED_TRACE(name);
        RecordList records;
        Append(records, record);
        Append(records, Record("Next", 3, 4, 2000));
        const RecordList back = Parse(FormatRecords(records));
        ASSERT_EQ(back.size(), 2u);
        const PersonRecord& got = *back.front();
        EXPECT_EQ(got.name, name);
        EXPECT_EQ(got.email, record.email == pasted.email ? "a@b .org" : record.email);
        EXPECT_EQ(std::tie(got.day, got.month, got.year, got.icon, got.skipYear, got.daysInAdvance,
                           got.notABirthday, got.infoOnly),
                  std::tie(record.day, record.month, record.year, record.icon, record.skipYear,
                           record.daysInAdvance, record.notABirthday, record.infoOnly));
    }
}

TEST(DataFile, ReaderQuirks) {
    struct Case {
        const char* line;
        const char* name;
        int day, month, year, icon, skipYear, days, notABirthday, infoOnly;
        const char* email;
    };
    const Case cases[] = {
        {"", "", 0, 0, 0, 0, 0, 0, 0, 0, ""},
        {"# not a comment,01012000,1,-1,14,0,0,,", "# not a comment", 1, 1, 2000, 1, -1, 14, 0, 0,
         ""},
        {"Ann,01012000,1,-1,14,0,1", "Ann", 1, 1, 2000, 1, -1, 14, 0, 0, ""},
        {"Ann,01012000,1,-1,14,0,1,", "Ann", 1, 1, 2000, 1, -1, 14, 0, 1, ""},
        {"Ann,01012000,1,-1,14,0,2,", "Ann", 1, 1, 2000, 1, -1, 14, 0, 0, ""},
        {"Ann,01012000,1,-1,14,0, 1,", "Ann", 1, 1, 2000, 1, -1, 14, 0, 0, ""},
        {"Ann,01012000,3,5,7,2,0,a@b,", "Ann", 1, 1, 2000, 3, 5, 7, 2, 0, "a@b"},
        {"Ann,0101,1,-1,14,0,0,a@b", "Ann", 1, 1, 101, 1, -1, 14, 0, 0, ""},
        {"Ann,7,1,-1,14,0,0,,", "Ann", 7, 0, 7, 1, -1, 14, 0, 0, ""},
        {"Ann,99-5abcd,1,-1,14,0,0,,", "Ann", 99, -5, 0, 1, -1, 14, 0, 0, ""},
        // Quoted only when the closing quote ends the field.
        {"\"Big\" Tom,06121990,2,-1,14,0,0,,", "\"Big\" Tom", 6, 12, 1990, 2, -1, 14, 0, 0, ""},
        {"\"Anna,06121990,2,-1,14,0,0,,", "\"Anna", 6, 12, 1990, 2, -1, 14, 0, 0, ""},
        {"\"A, B\",01012000,1,-1,14,0,0,,", "A, B", 1, 1, 2000, 1, -1, 14, 0, 0, ""},
        {"\"a \"\"b\"\"\",01012000,1,-1,14,0,0,,", "a \"b\"", 1, 1, 2000, 1, -1, 14, 0, 0, ""},
        {"N,99999999999999999999,99999999999,-99999999999,2147483648,-1,0,,", "N", 99, 99, 9999,
         INT_MAX, INT_MIN, INT_MAX, -1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const PersonRecord r = Line(c.line);
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(
            std::tie(r.day, r.month, r.year, r.icon, r.skipYear, r.daysInAdvance, r.notABirthday),
            std::tie(c.day, c.month, c.year, c.icon, c.skipYear, c.days, c.notABirthday));
        EXPECT_EQ(r.infoOnly, c.infoOnly);
        EXPECT_EQ(r.email, c.email);
    }
}

TEST(DataFile, LinesAndLineEnds) {
    EXPECT_TRUE(Parse("Ann,01012000,1,-1,14,0,0,,\r\n").empty()) << "the first line is a header";
    for (const std::string text : {"h\nA,\n\nB,", "h\r\nA,\r\n\r\nB,\r\n"}) {
        const RecordList records = Parse(text);
        ASSERT_EQ(records.size(), 3u) << "a blank line is a record too";
        EXPECT_EQ(records.front()->name, "A");
        EXPECT_EQ(records.back()->name, "B");
    }
}

TEST(DataFile, RecordsBeyondTheLimitMakeTheFileUnreadable) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    for (const std::size_t lines : {kMaxRecords, kMaxRecords + 1}) {
        WriteFile(path, "header\n" + std::string(lines, '\n'));
        std::size_t seen = 0;
        const LoadStatus status = ReadRecords(path, [&](PersonRecord&) { return ++seen > 0; });
        EXPECT_EQ(status, lines == kMaxRecords ? LoadStatus::Loaded : LoadStatus::Unreadable);
        EXPECT_EQ(seen, kMaxRecords);
    }
}

// A pipe would keep the reader waiting; a device may never end; a link loop cannot be opened;
// a link into a drive that is not mounted is not a first run.
TEST(DataFile, WhatIsNotAPlainFileIsNeitherWaitedOnNorReplaced) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("device"));
    std::filesystem::create_symlink(dir.File("loop"), dir.File("loop"));
    std::filesystem::create_symlink(dir.File("unmounted/ovras.ini"), dir.File("dangling"));
    std::filesystem::create_directory(dir.File("folder"));
    RecordList mine;
    Append(mine, Record("Mine", 1, 1, 2000));
    for (const char* name : {"pipe", "device", "loop", "dangling", "folder"}) {
        SCOPED_TRACE(name);
        RecordList records;
        EXPECT_EQ(LoadRecords(dir.File(name), records), LoadStatus::Unreadable);
        EXPECT_EQ(SaveRecords(dir.File(name), mine).status, SaveStatus::Failed);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling")));
    EXPECT_EQ(FilesIn(dir), 5u);
    EXPECT_FALSE(SaveRecords(dir.File("missing/ovras.ini"), mine));
}

TEST(DataFile, SaveKeepsThePreviousVersionAsBackup) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    const std::string backup = path + ".bak";
    RecordList first, second;
    Append(first, Record("First", 1, 1, 2000));
    Append(second, Record("Second", 2, 2, 2000));
    RecordList none;
    EXPECT_EQ(LoadRecords(path, none), LoadStatus::Missing);
    ASSERT_TRUE(SaveRecords(path, first));
    EXPECT_FALSE(std::filesystem::exists(backup)) << "nothing to keep on the first save";

    ::chmod(path.c_str(), 0600);
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_EQ(ReadFile(backup), FormatRecords(first));
    EXPECT_EQ(ReadFile(path), FormatRecords(second));
    for (const std::string& file : {path, backup}) {
        struct stat info {};
        ::stat(file.c_str(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << file << " is as private as the file was";
    }
    // Saving what the file already holds leaves the backup one version back.
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_EQ(ReadFile(backup), FormatRecords(first));
    EXPECT_EQ(FilesIn(dir), 2u) << "no temporary file is left";
}

// A disk that fills up halfway: the short file is never put in place.
TEST(DataFile, AWriteThatFailsReplacesNothing) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    WriteFile(path, "old");
    RecordList records;
    for (int i = 0; i < 2000; ++i) {
        Append(records, Record("Person " + std::to_string(i), 1, 1, 2000));
    }
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const SaveResult result = SaveRecords(path, records);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(FilesIn(dir), 2u) << "the file and its backup, nothing more";
}

// A save as `nobody` in a folder anyone may write: the file stays its owner's, whole, with its
// other names, or is not saved.
TEST(DataFile, SavingNeverTakesAFileFromItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to give files to others";
    }
    struct Case {
        const char* what;
        mode_t mode;
        uid_t owner;
        bool asNobody, linked;
        int error;
    };
    const Case cases[] = {
        {"read-only to the saver", 0444, 0, true, false, EACCES},
        {"shared with the saver's group", 0660, 0, true, false, EPERM},
        {"another user's, saved by root", 0640, 1234, false, false, 0},
        {"with a second name", 0600, 0, false, true, EMLINK},
    };
    TempDir dir;
    ::chmod(dir.File("").c_str(), 0777);
    const std::string path = dir.File("ovras.ini");
    RecordList mine;
    Append(mine, Record("Mine", 1, 1, 2000));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"ovras.ini", "ovras.ini.bak", "other name"}) {
            std::filesystem::remove(dir.File(name));
        }
        WriteFile(path, "old");
        ASSERT_EQ(::chown(path.c_str(), c.owner, 65534), 0);
        ::chmod(path.c_str(), c.mode);
        if (c.linked) {
            std::filesystem::create_hard_link(path, dir.File("other name"));
        }
        const pid_t child = ::fork();
        if (child == 0) {
            if (c.asNobody &&
                (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                ::_exit(99);
            }
            ::_exit(SaveRecords(path, mine).error);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), c.error);
        EXPECT_EQ(ReadFile(path), c.error != 0 ? "old" : FormatRecords(mine));
        for (const std::string& file : {path, path + ".bak"}) {
            struct stat info {};
            if (::stat(file.c_str(), &info) == 0) {
                EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(c.owner, gid_t{65534}))
                    << file;
                EXPECT_EQ(info.st_mode & 07777, c.mode) << file;
            }
        }
    }
}

TEST(DataFile, SavesThroughASymbolicLink) {
    TempDir dir;
    WriteFile(dir.File("real.ini"), "old");
    std::filesystem::create_symlink(dir.File("real.ini"), dir.File("ovras.ini"));
    RecordList records;
    Append(records, Record("Anna", 12, 5, 1976));
    ASSERT_TRUE(SaveRecords(dir.File("ovras.ini"), records));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("ovras.ini")));
    EXPECT_EQ(ReadFile(dir.File("real.ini")), FormatRecords(records));
}

TEST(DataFile, ChangesBySomeoneElseAreNeverOverwritten) {
    struct Case {
        const char* what;
        const char* whenRead;  // nullptr: missing
        const char* whenSaved;
        SaveStatus expected;
    };
    const Case cases[] = {
        {"unchanged", "theirs", "theirs", SaveStatus::Saved},
        {"changed", "theirs", "theirs, edited", SaveStatus::ChangedOnDisk},
        {"changed, same size", "theirs", "THEIRS", SaveStatus::ChangedOnDisk},
        {"made meanwhile", nullptr, "theirs", SaveStatus::ChangedOnDisk},
        {"removed meanwhile", "theirs", nullptr, SaveStatus::Saved},
    };
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    RecordList mine;
    Append(mine, Record("Mine", 1, 1, 2000));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.whenRead != nullptr) {
            WriteFile(path, c.whenRead);
        }
        FileStamp read;
        RecordList records;
        LoadRecords(path, records, &read);
        std::filesystem::remove(path);
        if (c.whenSaved != nullptr) {
            WriteFile(path, c.whenSaved);
        }
        EXPECT_EQ(SaveRecords(path, mine, &read).status, c.expected);
        EXPECT_EQ(ReadFile(path),
                  c.expected == SaveStatus::Saved ? FormatRecords(mine) : std::string(c.whenSaved));
    }
}
