// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "TestSupport.h"
#include "model/DataFile.h"
#include "model/RunLock.h"

namespace {

const std::string kHeader = std::string(kDataFileHeader) + "\r\n";

RecordList Parse(const std::string& text) {
    RecordList records;
    ParseRecords(text, records);
    return records;
}

void ExpectSameStored(const PersonRecord& a, const PersonRecord& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.year, b.year);
    EXPECT_EQ(a.icon, b.icon);
    EXPECT_EQ(a.skipYear, b.skipYear);
    EXPECT_EQ(a.daysInAdvance, b.daysInAdvance);
    EXPECT_EQ(a.notABirthday, b.notABirthday);
    EXPECT_EQ(a.infoOnly, b.infoOnly);
    EXPECT_EQ(a.email, b.email);
}

}  // namespace

TEST(DataFile, WritesTheExactFormat) {
    RecordList records;
    PersonRecord anna = Record("Smith, Anna", 5, 12, 1976);
    anna.icon = 2;
    Append(records, anna);
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
    EXPECT_EQ(FormatRecords(RecordList{}), kHeader);
}

TEST(DataFile, RoundTripKeepsEveryStoredField) {
    RecordList records;
    PersonRecord full = Record("Ölaf Ångström", 29, 2, 1980, 365);
    full.icon = 16;
    full.skipYear = 2027;
    full.notABirthday = 7;
    full.infoOnly = 1;
    full.email = "olaf@example.net";
    Append(records, full);
    Append(records, Record("\"Quoted\" at the start", 1, 1, 2000));  // would misread if bare
    Append(records, Record("\"\"", 2, 2, 0));
    Append(records, Record("with \"quotes\" inside", 3, 3, 1999));
    PersonRecord comma = Record("Doe, John", 4, 4, 1950);
    comma.email = "\"Doe, John\"@example.com";  // an address may hold a comma
    Append(records, comma);
    Append(records, Record("", 0, 0, 0, -3));
    PersonRecord extremes = Record("Extremes", 31, 12, 9999, INT_MIN);
    extremes.icon = -1;
    extremes.skipYear = INT_MAX;
    Append(records, extremes);

    RecordList back = Parse(FormatRecords(records));
    ASSERT_EQ(back.size(), records.size());
    for (auto a = records.begin(), b = back.begin(); a != records.end(); ++a, ++b) {
        SCOPED_TRACE((*a)->name);
        ExpectSameStored(**a, **b);
    }
}

TEST(DataFile, NameWithCommaLosesItsQuotes) {
    RecordList records;
    Append(records, Record("The \"Big\", Day", 1, 1, 2000));
    EXPECT_EQ(Parse(FormatRecords(records)).front()->name, "The Big, Day");
}

TEST(DataFile, ReaderQuirks) {
    struct Case {
        const char* line;
        const char* name;
        int day, month, year, notABirthday, infoOnly;
        const char* email;
    };
    const Case cases[] = {
        {"", "", 0, 0, 0, 0, 0, ""},
        {"# not a comment,01012000,1,-1,14,0,0,,", "# not a comment", 1, 1, 2000, 0, 0, ""},
        {"Ann,01012000,1,-1,14,0,1", "Ann", 1, 1, 2000, 0, 0, ""},
        {"Ann,01012000,1,-1,14,0,1,", "Ann", 1, 1, 2000, 0, 1, ""},
        {"Ann,01012000,1,-1,14,0,2,", "Ann", 1, 1, 2000, 0, 0, ""},
        {"Ann,01012000,1,-1,14,0, 1,", "Ann", 1, 1, 2000, 0, 0, ""},
        {"Ann,01012000,1,-1,14,2,0,", "Ann", 1, 1, 2000, 2, 0, ""},
        {"Ann,29021980,1,-1,14,0,0,a@b,", "Ann", 29, 2, 1980, 0, 0, "a@b"},
        {"Ann,0101,1,-1,14,0,0,a@b", "Ann", 1, 1, 101, 0, 0, ""},  // no trailing comma
        {"Ann,7,1,-1,14,0,0,,", "Ann", 7, 0, 7, 0, 0, ""},
        {"Ann,99-5abcd,1,-1,14,0,0,,", "Ann", 99, -5, 0, 0, 0, ""},
        {"\"no closing quote,01012000,1", "", 0, 0, 0, 0, 0, ""},
        {"\"A, B\",01012000,1,-1,14,0,0,,", "A, B", 1, 1, 2000, 0, 0, ""},
        {"Ann,99999999999999999999,1,-1,14,0,0,,", "Ann", 99, 99, 9999, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const PersonRecord r = ParseRecordLine(c.line);
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(r.day, c.day);
        EXPECT_EQ(r.month, c.month);
        EXPECT_EQ(r.year, c.year);
        EXPECT_EQ(r.notABirthday, c.notABirthday);
        EXPECT_EQ(r.infoOnly, c.infoOnly);
        EXPECT_EQ(r.email, c.email);
    }
}

TEST(DataFile, NumbersThatDoNotFitAreClamped) {
    const PersonRecord r = ParseRecordLine("N,01012000,99999999999,-99999999999,2147483648,-1,0,,");
    EXPECT_EQ(r.icon, INT_MAX);
    EXPECT_EQ(r.skipYear, INT_MIN);
    EXPECT_EQ(r.daysInAdvance, INT_MAX);
    EXPECT_EQ(r.notABirthday, -1);
}

TEST(DataFile, LinesAndLineEnds) {
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse(kHeader).empty());
    EXPECT_TRUE(Parse("Ann,01012000,1,-1,14,0,0,,\r\n").empty())
        << "the first line is always skipped";

    const std::string lf = "header\nA,01012000,1,-1,14,0,0,,\n\nB,02022000,1,-1,14,0,0,,";
    const std::string crlf =
        "header\r\nA,01012000,1,-1,14,0,0,,\r\n\r\nB,02022000,1,-1,14,0,0,,\r\n";
    for (const std::string& text : {lf, crlf}) {
        RecordList records = Parse(text);
        ASSERT_EQ(records.size(), 3u);
        auto it = records.begin();
        EXPECT_EQ((*it++)->name, "A");
        EXPECT_EQ((*it)->name, "");  // a blank line is a record too
        EXPECT_EQ((*it++)->day, 0);
        EXPECT_EQ((*it)->name, "B");
    }
}

TEST(DataFile, LoadAndSave) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    RecordList records;
    EXPECT_EQ(LoadRecords(path, records), LoadStatus::Missing);

    Append(records, Record("Anna", 12, 5, 1976));
    Append(records, Record("Added last", 1, 1, 0));
    ASSERT_TRUE(SaveRecords(path, records));
    EXPECT_EQ(ReadFile(path), FormatRecords(records));

    RecordList back;
    EXPECT_EQ(LoadRecords(path, back), LoadStatus::Loaded);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.back()->name, "Added last");

    // The save leaves no temporary file behind and keeps the file's permissions.
    ::chmod(path.c_str(), 0640);
    back.pop_front();
    ASSERT_TRUE(SaveRecords(path, back));
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()),
                  std::filesystem::directory_iterator{}),
              2)
        << "the file and its backup";
}

TEST(DataFile, FailuresAreReported) {
    TempDir dir;
    RecordList records;
    Append(records, Record("Anna", 12, 5, 1976));
    EXPECT_FALSE(SaveRecords(dir.File("missing/ovras.ini"), records));

    // A directory in the file's place can be opened but not read.
    std::filesystem::create_directory(dir.File("ovras.ini"));
    RecordList back;
    EXPECT_EQ(LoadRecords(dir.File("ovras.ini"), back), LoadStatus::Unreadable);
    EXPECT_TRUE(back.empty());
    EXPECT_FALSE(SaveRecords(dir.File("ovras.ini"), records));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("ovras.ini")));
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

TEST(RecordList, RemoveAndFree) {
    RecordList records;
    PersonRecord* a = Append(records, Record("A", 1, 1, 0));
    PersonRecord* b = Append(records, Record("B", 1, 1, 0));
    Append(records, Record("C", 1, 1, 0));
    EXPECT_TRUE(RemoveRecord(records, b));
    EXPECT_FALSE(RemoveRecord(records, b));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records.front().get(), a);
    EXPECT_EQ(records.back()->name, "C");
    FreeRecords(records);
    EXPECT_TRUE(records.empty());
    FreeRecords(records);
}

TEST(DataFile, LineBreaksInValuesStayOnTheirLine) {
    RecordList records;
    PersonRecord pasted = Record("Anna\nSmith", 1, 2, 1990);
    pasted.email = "a@b\r\n.org";
    Append(records, pasted);
    Append(records, Record("Next", 3, 4, 2000));
    RecordList back = Parse(FormatRecords(records));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.front()->name, "Anna Smith");
    EXPECT_EQ(back.front()->email, "a@b\r .org");
    EXPECT_EQ(back.back()->name, "Next");
}

TEST(DataFile, SaveKeepsThePreviousVersionAsBackup) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    const std::string backup = path + ".bak";
    RecordList first;
    Append(first, Record("First", 1, 1, 2000));
    ASSERT_TRUE(SaveRecords(path, first));
    EXPECT_FALSE(std::filesystem::exists(backup)) << "nothing to keep on the first save";

    RecordList second;
    Append(second, Record("Second", 2, 2, 2000));
    ::chmod(path.c_str(), 0600);
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_EQ(ReadFile(backup), FormatRecords(first));
    EXPECT_EQ(ReadFile(path), FormatRecords(second));
    struct stat info {};
    ::stat(backup.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the backup is as private as the file";

    // Saving what the file already holds leaves the backup one version back.
    ASSERT_TRUE(SaveRecords(path, second));
    EXPECT_EQ(ReadFile(backup), FormatRecords(first));

    // A backup that cannot be written stops the save before the file is touched.
    std::filesystem::remove(backup);
    std::filesystem::create_directory(backup);
    const SaveResult blocked = SaveRecords(path, first);
    EXPECT_EQ(blocked.status, SaveStatus::Failed);
    EXPECT_EQ(ReadFile(path), FormatRecords(second));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")),
                            std::filesystem::directory_iterator{}),
              2)
        << "no temporary file is left";
}

TEST(DataFile, ChangesBySomeoneElseAreNeverOverwritten) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini");
    RecordList mine;
    Append(mine, Record("Mine", 1, 1, 2000));

    FileStamp read;
    RecordList records;
    WriteFile(path, kHeader + "Theirs,02022000,1,-1,14,0,0,,\r\n");
    ASSERT_EQ(LoadRecords(path, records, &read), LoadStatus::Loaded);
    EXPECT_TRUE(read.exists);
    WriteFile(path, kHeader + "Theirs,02022000,1,-1,14,0,0,,\r\nMore,03032000,1,-1,14,0,0,,\r\n");
    EXPECT_EQ(SaveRecords(path, mine, &read).status, SaveStatus::ChangedOnDisk);
    EXPECT_EQ(ReadFile(path).find("Mine"), std::string::npos);

    // Unchanged since it was read: saved.
    records.clear();
    ASSERT_EQ(LoadRecords(path, records, &read), LoadStatus::Loaded);
    EXPECT_TRUE(SaveRecords(path, mine, &read));

    // Missing when read, there when saving: someone else made it.
    std::filesystem::remove(path);
    records.clear();
    ASSERT_EQ(LoadRecords(path, records, &read), LoadStatus::Missing);
    EXPECT_FALSE(read.exists);
    WriteFile(path, "theirs");
    EXPECT_EQ(SaveRecords(path, mine, &read).status, SaveStatus::ChangedOnDisk);
    EXPECT_EQ(ReadFile(path), "theirs");

    // Removed since it was read: nothing of anyone's is lost by writing it again.
    records.clear();
    ASSERT_EQ(LoadRecords(path, records, &read), LoadStatus::Loaded);
    std::filesystem::remove(path);
    EXPECT_TRUE(SaveRecords(path, mine, &read));
    EXPECT_EQ(ReadFile(path), FormatRecords(mine));
}

TEST(DataFile, WhatIsNotAPlainFileIsNeitherWaitedOnNorReplaced) {
    TempDir dir;
    RecordList mine;
    Append(mine, Record("Mine", 1, 1, 2000));
    // A pipe would block the reader until someone writes; a device may never end.
    const std::string pipe = dir.File("pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string device = dir.File("device.ini");
    std::filesystem::create_symlink("/dev/zero", device);
    for (const std::string& path : {pipe, device}) {
        SCOPED_TRACE(path);
        RecordList records;
        EXPECT_EQ(LoadRecords(path, records), LoadStatus::Unreadable);
        EXPECT_EQ(SaveRecords(path, mine).status, SaveStatus::Failed);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/zero"));
}

TEST(DataFile, RecordsBeyondTheLimitMakeTheFileUnreadable) {
    RecordList records;
    EXPECT_TRUE(ParseRecords("header\nA,\nB,", records, 2));
    records.clear();
    EXPECT_FALSE(ParseRecords("header\nA,\nB,\nC,\n", records, 2));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records.back()->name, "B");
}

TEST(RunLock, OneHolderAtATime) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini.lock");
    {
        RunLock first(path);
        EXPECT_EQ(first.state(), RunLock::State::Held);
        RunLock second(path);
        EXPECT_EQ(second.state(), RunLock::State::Busy);
    }
    EXPECT_FALSE(std::filesystem::exists(path)) << "the holder tidies up";
    RunLock again(path);
    EXPECT_EQ(again.state(), RunLock::State::Held);

    RunLock nowhere(dir.File("missing/ovras.ini.lock"));
    EXPECT_EQ(nowhere.state(), RunLock::State::Unavailable);
}
