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
#include "contacts/ContactRecords.h"
#include "records/DataFile.h"

namespace {

const std::string kHeader = std::string(kDataFileHeader) + "\r\n";

// A data line read and written back.
std::string ReadBack(const std::string& line) {
    RecordList records;
    ParseRecords("header\n" + line + "\n", records);
    return FormatRecords(records);
}

RecordList Mine() {
    RecordList records;
    Append(records, Record("Mine", 1, 1, 2000));
    return records;
}

std::size_t FilesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.File("")), {});
}

}  // namespace

// Each record as the file holds it, and read back the same.
TEST(DataFile, WritesTheExactFormatAndReadsItBack) {
    PersonRecord full = Record("Ölaf Ångström", 29, 2, 1980, 365);
    full.icon = 16;
    full.skipYear = 2027;
    full.notABirthday = 7;
    full.infoOnly = 1;
    full.email = "\"Doe, John\"@example.com";  // an address may hold a comma
    PersonRecord extremes = Record("Extremes", 31, 12, 9999, INT_MIN);
    extremes.icon = -1;
    extremes.skipYear = INT_MAX;
    PersonRecord pasted = Record("Anna\nSmith", 1, 2, 1990);  // a line break would split it
    pasted.email = "a@b\n.org";
    const std::pair<PersonRecord, const char*> cases[] = {
        {full, "Ölaf Ångström,29021980,16,2027,365,7,1,\"Doe, John\"@example.com,"},
        {extremes, "Extremes,31129999,-1,2147483647,-2147483648,0,0,,"},
        {Record("\"Big\" Tom", 1, 1, 2000), "\"\"\"Big\"\" Tom\",01012000,0,-1,14,0,0,,"},
        {Record("\"\"", 2, 2, 0), "\"\"\"\"\"\",02020000,0,-1,14,0,0,,"},
        {Record("with \"quotes\" inside", 3, 3, 1999),
         "with \"quotes\" inside,03031999,0,-1,14,0,0,,"},
        // Loses its quotes, as it always has.
        {Record("The \"Big\", Day", 1, 1, 2000), "\"The Big, Day\",01012000,0,-1,14,0,0,,"},
        {Record("", 0, 0, 0, -3), ",00000000,0,-1,-3,0,0,,"},
        {pasted, "Anna Smith,01021990,0,-1,14,0,0,a@b .org,"},
    };
    for (const auto& [record, line] : cases) {
        RecordList records;
        Append(records, record);
        const std::string file = kHeader + line + "\r\n";
        EXPECT_EQ(FormatRecords(records), file);
        EXPECT_EQ(ReadBack(line), file);
    }
}

// Lines the program does not write, each as it is written back.
TEST(DataFile, ReaderQuirks) {
    const std::pair<const char*, const char*> cases[] = {
        {"", nullptr},  // a blank line is no record
        {" \t", nullptr},
        {"# not a comment,01012000,1,-1,14,0,0,,", "# not a comment,01012000,1,-1,14,0,0,,"},
        // A last field without its comma is kept.
        {"Ann,01012000,1,-1,14,0,1", "Ann,01012000,1,-1,14,0,1,,"},
        {"Bob,01011990,1,-1,14,0,0,bob@x.org", "Bob,01011990,1,-1,14,0,0,bob@x.org,"},
        {"Ann,01012000,1,-1,14,0,1,", "Ann,01012000,1,-1,14,0,1,,"},
        {"Ann,01012000,1,-1,14,0,2,", "Ann,01012000,1,-1,14,0,0,,"},
        {"Ann,01012000,1,-1,14,0, 1,", "Ann,01012000,1,-1,14,0,0,,"},
        // A short date has no year, or the one typed.
        {"Ann,0303,1,-1,14,0,0,,", "Ann,03030000,1,-1,14,0,0,,"},
        {"Ann,030390,1,-1,14,0,0,,", "Ann,03030090,1,-1,14,0,0,,"},
        {"Ann,7,1,-1,14,0,0,,", "Ann,07000000,1,-1,14,0,0,,"},
        {"Ann,99-5abcd,1,-1,14,0,0,,", "Ann,99-50000,1,-1,14,0,0,,"},
        // As a spreadsheet may save it.
        {"\"Ann\",\"07121990\",\"1\",\"-1\",\"14\",\"0\",\"1\",", "Ann,07121990,1,-1,14,0,1,,"},
        {"Ann, 07121990 , 1 ,-1,14,0,0,,", "Ann,07121990,1,-1,14,0,0,,"},
        {"Ann,07.12.1990,1,-1,14,0,0,,", "Ann,07121990,1,-1,14,0,0,,"},  // typed by hand
        {"Ann,1990-12-07,1,-1,14,0,0,,", "Ann,07121990,1,-1,14,0,0,,"},
        {"Ann,07/12,1,-1,14,0,0,,", "Ann,07120000,1,-1,14,0,0,,"},
        // Quoted only when the closing quote ends the field.
        {"\"Big\" Tom,06121990,2,-1,14,0,0,,", "\"\"\"Big\"\" Tom\",06121990,2,-1,14,0,0,,"},
        {"\"Anna,06121990,2,-1,14,0,0,,", "\"\"\"Anna\",06121990,2,-1,14,0,0,,"},
        {"Ann\rSmith,01012000,1,-1,14,0,0,,", "Ann\rSmith,01012000,1,-1,14,0,0,,"},  // a pasted CR
        {"\"Smith, Anna\"x,12051976,1,-1,14,0,0,,", "\"Smith, Annax\",12051976,1,-1,14,0,0,,"},
        {"N,99999999999999999999,99999999999,-99999999999,2147483648,-1,0,,",
         "N,99999999,2147483647,-2147483648,2147483647,-1,0,,"},
    };
    for (const auto& [line, back] : cases) {
        EXPECT_EQ(ReadBack(line), back ? kHeader + back + "\r\n" : kHeader) << line;
    }
}

// Files as other editors save them: the same records, or refused rather than misread.
TEST(DataFile, ReadsOtherEditorsFilesOrRefusesThem) {
    const auto utf16 = [](std::u16string_view text, bool bigEndian) {
        std::string bytes;
        for (const char16_t unit : text) {
            bytes += static_cast<char>(bigEndian ? unit >> 8 : unit & 0xFF);
            bytes += static_cast<char>(bigEndian ? unit & 0xFF : unit >> 8);
        }
        return bytes;
    };
    const std::u16string text =
        u"\uFEFFh\r\n\u00D6laf \U0001F382,06121990,2,-1,14,0,0,\u20AC@x,\r\n";
    const std::string read = kHeader + "\u00D6laf \U0001F382,06121990,2,-1,14,0,0,\u20AC@x,\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {utf16(text, false), read},
        {utf16(text, true), read},
        {utf16(text.substr(0, 10) + text.substr(11), false), "refused"},  // half a pair
        {utf16(text.substr(1), false), "refused"},  // no byte-order mark: NULs
        {"h\rAnn,01012000,1,-1,14,0,0,,\rBob,02022000,1,-1,14,0,0,,\r\n",
         kHeader + "Ann,01012000,1,-1,14,0,0,,\r\nBob,02022000,1,-1,14,0,0,,\r\n"},
        {"Ann,01012000,1,-1,14,0,0,,\r", kHeader + "Ann,01012000,1,-1,14,0,0,,\r\n"},
        {"\xEF\xBB\xBF"
         "Ann,01012000,1,-1,14,0,0,,\nBob,02022000,1,-1,14,0,0,,\n",  // no header
         kHeader + "Ann,01012000,1,-1,14,0,0,,\r\nBob,02022000,1,-1,14,0,0,,\r\n"},
    };
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    for (const auto& [bytes, back] : cases) {
        WriteFile(path, bytes);
        RecordList records;
        const LoadStatus status = LoadRecords(path, records);
        EXPECT_EQ(status == LoadStatus::Loaded ? FormatRecords(records) : "refused", back);
    }
}

// A file the reader would refuse is not read, nor ever written.
TEST(DataFile, RecordsBeyondTheLimitAreNeitherReadNorSaved) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    std::string text = "header\n";
    RecordList records;
    for (std::size_t i = 0; i <= kMaxRecords; ++i) {
        text += i < kMaxRecords ? "x\n" : "";
        Append(records, Record("x", 1, 1, 2000));
    }
    for (const std::string last : {"", "y"}) {
        WriteFile(path, text + last);
        std::size_t seen = 0;
        const LoadStatus status = ReadRecords(path, [&](PersonRecord&) { return ++seen > 0; });
        EXPECT_EQ(status, last.empty() ? LoadStatus::Loaded : LoadStatus::Unreadable);
        EXPECT_EQ(seen, kMaxRecords);
    }
    EXPECT_EQ(SaveRecords(path, records).status, SaveStatus::TooLarge);
    EXPECT_TRUE(ReadFile(path) == text + "y") << "nothing is written";
    // An address book's date neither counts nor is written.
    const ContactOrigin origin;
    records.back()->name = "contact";
    records.back()->origin = &origin;
    EXPECT_EQ(SaveRecords(path, records).status, SaveStatus::Saved);
    EXPECT_EQ(ReadFile(path).find("contact"), std::string::npos);
}

// A pipe would keep the reader waiting; a device may never end; a link loop cannot be opened;
// a link into a drive that is not mounted is not a first run; a read that fails (as on a bad
// sector) is no end of the file.
TEST(DataFile, WhatIsNotAPlainFileIsNeitherWaitedOnNorReplaced) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("device"));
    std::filesystem::create_symlink(dir.File("loop"), dir.File("loop"));
    std::filesystem::create_symlink(dir.File("unmounted/ovras.ini"), dir.File("dangling"));
    std::filesystem::create_directory(dir.File("folder"));
    std::filesystem::create_symlink("/proc/self/mem", dir.File("read error"));
    for (const char* name : {"pipe", "device", "loop", "dangling", "folder", "read error"}) {
        SCOPED_TRACE(name);
        RecordList records;
        EXPECT_EQ(LoadRecords(dir.File(name), records), LoadStatus::Unreadable);
        EXPECT_EQ(SaveRecords(dir.File(name), Mine()).status, SaveStatus::Failed);
    }
}

// Through a symbolic link, a save updates the file it names, not the link.
TEST(DataFile, SaveKeepsThePreviousVersionAsBackup) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini"), real = dir.File("real.ini");
    const RecordList first = Mine();
    RecordList second;
    Append(second, Record("Second", 2, 2, 2000));
    ASSERT_TRUE(SaveRecords(real, first));

    std::filesystem::create_symlink(real, path);
    ::chmod(real.c_str(), 0600);
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(ReadFile(real + ".bak"), FormatRecords(first));
    EXPECT_EQ(ReadFile(real), FormatRecords(second));
    for (const std::string& file : {real, real + ".bak"}) {
        EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms{0600})
            << file << " is as private as the file was";
    }
    // Saving what the file already holds leaves the backup one version back.
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_EQ(ReadFile(real + ".bak"), FormatRecords(first));
    EXPECT_EQ(FilesIn(dir), 3u) << "no temporary file is left";
}

// A disk that fills up halfway: the short file is never put in place.
TEST(DataFile, AWriteThatFailsReplacesNothing) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    WriteFile(path, "old");
    RecordList records;
    Append(records, Record(std::string(65536, 'x'), 1, 1, 2000));
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

// A save as `nobody` (EACCES, EPERM) or root in a folder anyone may write: the file stays its
// owner's, whole, or is not saved.
TEST(DataFile, SavingNeverTakesAFileFromItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to give files to others";
    }
    struct Case {
        const char* what;
        mode_t mode;
        uid_t owner;
        int error;
    };
    const Case cases[] = {
        {"read-only to the saver", 0444, 0, EACCES},
        {"shared with the saver's group", 0660, 0, EPERM},
        {"another user's, saved by root", 0640, 1234, 0},
        {"the group's, saved by its owner", 0660, 0, 0},
    };
    const RecordList mine = Mine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        ::chmod(dir.File("").c_str(), 0777);
        const std::string path = dir.File("ovras.ini");
        WriteFile(path, "old");
        ASSERT_EQ(::chown(path.c_str(), c.owner, 65534), 0);
        ::chmod(path.c_str(), c.mode);
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(c.error != 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 ||
                                     ::setuid(65534) != 0)
                        ? 99
                        : SaveRecords(path, mine).error);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), c.error);
        EXPECT_EQ(ReadFile(path), c.error != 0 ? "old" : FormatRecords(mine));
        for (const std::string& file : {path, path + ".bak"}) {
            struct stat info {};
            if (::stat(file.c_str(), &info) == 0) {
                EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(c.owner, gid_t{65534}));
                EXPECT_EQ(info.st_mode & 07777, c.mode) << file;
            }
        }
    }
}
