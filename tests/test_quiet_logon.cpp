// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "app/Arguments.h"
#include "app/HandOver.h"
#include "app/QuietLogon.h"
#include "app/ReminderApp.h"
#include "model/DataFile.h"
#include "platform/SettingsFile.h"
#include "reminder/DueRecords.h"

namespace {

const std::string kQtSettings = "[General]\naot=0\ndays=14\nicon=1\nlastrun=2026126\nonceaday=0\n";

// Notes whether the whole program would show anything: a reminder with due rows, the Options
// dialog or a message.
class ShownDialogs : public DialogHost {
public:
    ReminderOutcome RunReminder(RecordList& records, AppSettings&) override {
        for (const auto& record : records) {
            shown = shown || IsDue(*record);
        }
        return {};
    }
    bool RunOptions(RecordList&, AppSettings&, const std::string&) override {
        shown = true;
        return false;
    }
    void ShowMessage(const std::string&) override { shown = true; }
    bool shown = false;
};

std::time_t LocalNoon(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// A data file of random records, written the way files come: CR LF or LF, with or without a last
// line end, now and then a line that is no record at all. With `quiet`, records that would be
// due are silenced for the coming occurrence, so that nothing is due.
std::string RandomDataFile(std::mt19937& random, DayNumber today, std::size_t count, bool quiet) {
    const std::string end = random() % 2 ? "\r\n" : "\n";
    std::string text = std::string(kDataFileHeader) + end;
    for (std::size_t i = 0; i < count; ++i) {
        if (random() % 50 == 0) {
            text += (random() % 2 ? "" : "no commas here") + end;
            continue;
        }
        PersonRecord record =
            Record("Person " + std::to_string(i), 1 + random() % 31, random() % 13,
                   random() % 4 ? 1950 + random() % 70 : 0, static_cast<int>(random() % 60) - 5);
        record.infoOnly = random() % 20 == 0;
        UpdateRecord(record, today);
        if (quiet && IsDue(record)) {
            record.skipYear = record.nextYear;
        }
        text += FormatRecordLine(record) + end;
    }
    if (random() % 3 == 0 && text.size() > end.size()) {
        text.resize(text.size() - end.size());
    }
    return text;
}

// Runs the quiet logon and the whole run flow on the same files; the quiet run must finish
// exactly the runs in which the whole program shows nothing, and leave the settings as the whole
// program leaves them. Every other run it leaves untouched. Returns the quiet run's outcome.
QuietLogon ExpectSameOutcome(const std::optional<std::string>& data, const std::string& settings,
                             std::time_t now, bool daily = false) {
    TempDir dir;
    const std::string dataPath = dir.File("ovras.ini");
    const std::string settingsPath = dir.File("ovra.conf");
    if (data) {
        WriteFile(dataPath, *data);
    }
    WriteFile(settingsPath, settings);
    const QuietLogon quiet = RunQuietLogon({[now] { return now; }, settingsPath, dataPath, daily});
    const std::string quietSettings = ReadFile(settingsPath);

    FakeStore store;
    store.values = *ParseSettingsText(settings);
    ShownDialogs dialogs;
    CReminderApp app({[now] { return now; }, [] { return std::string("dd/MM/yyyy"); }, store,
                      dialogs, dataPath});
    app.InitInstance(false, daily);

    EXPECT_EQ(quiet == QuietLogon::Done, !dialogs.shown);
    EXPECT_EQ(quietSettings,
              quiet == QuietLogon::Done ? FormatSettingsText(store.values) : settings);
    return quiet;
}

std::string SettingsText(bool onceADay, const std::string& lastRun) {
    return "[General]\naot=1\ndays=9\nicon=3\nlastrun=" + lastRun +
           "\nonceaday=" + (onceADay ? "1" : "0") + "\n";
}

}  // namespace

TEST(QuietLogon, AgreesWithTheWholeRunFlow) {
    std::mt19937 random(11);
    int finished = 0;
    for (int round = 0; round < 80; ++round) {
        SCOPED_TRACE(round);
        const std::time_t now = LocalNoon(2026, 1 + round % 12, 1 + round % 28);
        const std::string lastRun = round % 8 == 0 ? RunDateText(LocalDate(now)) : "2020101";
        // Some files span several of the reader's buffers; some are missing.
        const std::size_t count = round % 5 == 0 ? 2500 : random() % 40;
        std::optional<std::string> data;
        if (round % 10 != 9) {
            data = RandomDataFile(random, MakeToday(now), count, round % 2 == 0);
        }
        finished +=
            ExpectSameOutcome(data, SettingsText(round % 4 == 0, lastRun), now) == QuietLogon::Done;
    }
    EXPECT_GT(finished, 20);
    EXPECT_LT(finished, 60);
}

// The daily run: after a run today it shows nothing, whatever "once a day" says; switched off it
// does nothing at all.
TEST(QuietLogon, DailyRunAgreesWithTheWholeRunFlow) {
    std::mt19937 random(17);
    int finished = 0;
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        const std::time_t now = LocalNoon(2026, 1 + round % 12, 1 + round % 28);
        const bool ranToday = round % 2 == 0;
        auto values = *ParseSettingsText(
            SettingsText(round % 3 == 0, ranToday ? RunDateText(LocalDate(now)) : "2020101"));
        values["daily"] = round % 4 == 1 ? "0" : "1";
        const std::string data = RandomDataFile(random, MakeToday(now), 40, false);
        finished +=
            ExpectSameOutcome(data, FormatSettingsText(values), now, true) == QuietLogon::Done;
    }
    EXPECT_GE(finished, 18);  // the runs after one today, and those switched off
    EXPECT_LT(finished, 24);
}

// A single due record wherever it is: first, cut by the end of the reader's first buffer, on a
// last line without a line end; due today, tomorrow or on the last day of its warning period.
TEST(QuietLogon, FindsTheOneDueRecord) {
    std::mt19937 random(5);
    const std::time_t now = LocalNoon(2026, 12, 6);
    const DayNumber today = MakeToday(now);
    const std::string settings = SettingsText(false, "2026125");
    const std::string quiet = RandomDataFile(random, today, 4000, true);
    ASSERT_GT(quiet.size(), 70000u);
    ASSERT_EQ(ExpectSameOutcome(quiet, settings, now), QuietLogon::Done);

    for (const int days : {0, 1, 13}) {
        PersonRecord due = Record("Due", 6 + days, 12, 1990, 13);
        UpdateRecord(due, today);
        ASSERT_TRUE(IsDue(due));
        const std::string line = FormatRecordLine(due) + "\n";
        const std::size_t cut = quiet.rfind('\n', 65536 - line.size() / 2) + 1;
        for (const std::string& data :
             {std::string(kDataFileHeader) + "\n" + line + quiet.substr(quiet.find('\n') + 1),
              quiet.substr(0, cut) + line + quiet.substr(cut),
              quiet + (quiet.back() == '\n' ? "" : "\n") + line.substr(0, line.size() - 1)}) {
            SCOPED_TRACE(data.size());
            EXPECT_EQ(ExpectSameOutcome(data, settings, now), QuietLogon::HandOver);
        }
    }
}

TEST(QuietLogon, LeavesFirstRunsAndUnusualSettingsToTheWholeProgram) {
    TempDir dir;
    const std::string dataPath = dir.File("ovras.ini");
    const std::string settingsPath = dir.File("ovra.conf");
    WriteFile(dataPath, std::string(kDataFileHeader) + "\r\n");
    const std::time_t now = LocalNoon(2026, 12, 6);
    auto run = [&](const std::string& path) {
        return RunQuietLogon({[now] { return now; }, path, dataPath});
    };
    EXPECT_EQ(run(settingsPath), QuietLogon::HandOver) << "no settings yet: a first run";
    EXPECT_EQ(run(""), QuietLogon::HandOver) << "the settings' place is unknown";
    for (const std::string text : {"", "[General]\n", "[General]\naot=\"1\"\n"}) {
        WriteFile(settingsPath, text);
        EXPECT_EQ(run(settingsPath), QuietLogon::HandOver) << text;
        EXPECT_EQ(ReadFile(settingsPath), text);
    }
    WriteFile(settingsPath, kQtSettings);
    EXPECT_EQ(run(settingsPath), QuietLogon::Done);
}

TEST(SettingsFile, ReadsAndWritesTheFormQtWrites) {
    const auto values = ParseSettingsText(kQtSettings);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->at("lastrun"), "2026126");
    EXPECT_EQ(FormatSettingsText(*values), kQtSettings);

    const auto loose = ParseSettingsText("\nicon=-1\n\ndays=\n");
    ASSERT_TRUE(loose);
    EXPECT_EQ(FormatSettingsText(*loose), "[General]\ndays=\nicon=-1\n");

    // Whatever Qt reads in a way of its own is left to Qt.
    for (const char* text :
         {"[General]\r\naot=0\r\n", "[Other]\naot=0\n", "aot=0\n[General]\n", "aot = 0\n",
          "aot=\"0\"\n", "aot=0,1\n", "aot=@Invalid()\n", "aot=0\naot=1\n", "colour=red\n", "aot\n",
          "; comment\n", "%General/aot=0\n"}) {
        EXPECT_FALSE(ParseSettingsText(text)) << text;
    }
}

TEST(SettingsFile, FoundWhereQtLooks) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg != nullptr ? xdg : "";
    const std::string savedHome = home != nullptr ? home : "";

    ::setenv("XDG_CONFIG_HOME", "/x/config", 1);
    EXPECT_EQ(SettingsFilePath(), "/x/config/Keldan/ovra.conf");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(SettingsFilePath(), "");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(SettingsFilePath(), "/home/anna/.config/Keldan/ovra.conf");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(SettingsFilePath(), "/home/anna/.config/Keldan/ovra.conf");
    ::unsetenv("HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath(), "");

    ::setenv("HOME", savedHome.c_str(), 1);
    if (xdg != nullptr) {
        ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    }
}

TEST(CommandLine, OnlyHomeKeepsTheReminder) {
    const char* home[] = {"ovrana", "--home"};
    const char* options[] = {"ovrana", "--home", "-o"};
    EXPECT_TRUE(ReadCommandLine(2, home).home);
    EXPECT_FALSE(ReadCommandLine(2, home).hasArguments);
    EXPECT_TRUE(ReadCommandLine(3, options).hasArguments);
    EXPECT_FALSE(ReadCommandLine(1, home).home);
    const char* daily[] = {"ovrana", "--daily", "--home", "--daily"};
    EXPECT_EQ(ReadCommandLine(4, daily).command, CommandLine::Command::Daily);
    EXPECT_FALSE(ReadCommandLine(4, daily).hasArguments);
    EXPECT_TRUE(ReadCommandLine(4, daily).home);
    const char* dailyOptions[] = {"ovrana", "--daily", "-o"};
    EXPECT_TRUE(ReadCommandLine(3, dailyOptions).hasArguments);
}

TEST(HandOver, TunablesComeBackAsTheUserHadThem) {
    const char* saved = std::getenv("GLIBC_TUNABLES");
    const std::string original = saved != nullptr ? saved : "";
    for (const char* user : {"", "glibc.malloc.tcache_count=0"}) {
        ::setenv("GLIBC_TUNABLES", user, 1);
        AskForHugePages();
        const std::string asked = std::getenv("GLIBC_TUNABLES");
        EXPECT_NE(asked.find("glibc.malloc.hugetlb=1"), std::string::npos);
        EXPECT_EQ(asked.find(user), 0u);
        RestoreTunables();
        EXPECT_EQ(std::string(std::getenv("GLIBC_TUNABLES") ? std::getenv("GLIBC_TUNABLES") : ""),
                  user);
    }
    ::setenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=0", 1);
    AskForHugePages();
    EXPECT_STREQ(std::getenv("GLIBC_TUNABLES"), "glibc.malloc.hugetlb=0") << "the user decided";
    RestoreTunables();
    EXPECT_STREQ(std::getenv("GLIBC_TUNABLES"), "glibc.malloc.hugetlb=0");
    saved != nullptr ? ::setenv("GLIBC_TUNABLES", original.c_str(), 1)
                     : ::unsetenv("GLIBC_TUNABLES");
}
