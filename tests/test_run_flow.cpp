// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "TestSupport.h"
#include "app/ReminderApp.h"
#include "model/DataFile.h"
#include "model/RunLock.h"

namespace {

// Answers like the dialogs would and records what was shown.
class FakeDialogs : public DialogHost {
public:
    ReminderOutcome RunReminder(RecordList& records, AppSettings& settings) override {
        calls += "R";
        seenRecords = records.size();
        seenFormat = settings.dateFormat;
        if (silenceFirst && !records.empty()) {
            records.front()->skipYear = records.front()->nextYear;
        }
        return {pressOptions ? 1 : 0, silenceFirst};
    }
    bool RunOptions(RecordList& records, AppSettings& settings,
                    const std::string& notice) override {
        calls += "O";
        seenNotice = notice;
        if (duringOptions) {
            duringOptions();
        }
        if (addInOptions) {
            Append(records, Record("Added", 1, 2, 2003));
        }
        settings.defaultDays = 30;
        return addInOptions;
    }
    void ShowMessage(const std::string& text) override {
        calls += "M";
        messages.push_back(text);
    }
    NotifyOutcome Notify(const RecordList&, const AppSettings&) override {
        calls += "N";
        if (duringNotify) {
            duringNotify();
        }
        return notified;
    }
    NotifyOutcome notified = NotifyOutcome::NotSent;
    std::function<void()> duringNotify;
    std::string calls;
    std::string seenNotice;
    std::vector<std::string> messages;
    std::function<void()> duringOptions;
    std::size_t seenRecords = 0;
    std::string seenFormat;
    bool pressOptions = false;
    bool silenceFirst = false;
    bool addInOptions = false;
};

const std::string kData = std::string(kDataFileHeader) +
                          "\r\nAnna,12051976,2,-1,14,0,0,anna@example.org,\r\n"
                          "Bob,24121990,3,-1,7,0,0,,\r\n";

class RunFlow : public ::testing::Test {
protected:
    // 6 December 2026 at noon, local time; the run ends a little later.
    std::time_t Noon() {
        std::tm tm{};
        tm.tm_year = 126;
        tm.tm_mon = 11;
        tm.tm_mday = 6;
        tm.tm_hour = 12;
        tm.tm_isdst = -1;
        return std::mktime(&tm);
    }

    void Run(bool hasArguments, bool daily = false) {
        const std::time_t start = Noon();
        int reads = 0;
        CReminderApp app({[&] { return start + 3600 * 24 * reads++; },  // the end reads tomorrow
                          [] { return std::string("dd/MM/yyyy"); }, store, dialogs, path});
        app.InitInstance(hasArguments, daily);
        EXPECT_TRUE(app.records.empty());
    }

    TempDir dir;
    std::string path = dir.File("ovras.ini");
    FakeStore store;
    FakeDialogs dialogs;
};

}  // namespace

TEST_F(RunFlow, DecisionTable) {
    struct Case {
        bool arguments, onceADayHolds, fileLoads, pressOptions;
        const char* shown;
    };
    const Case cases[] = {
        {true, false, true, false, "O"},    {true, true, false, false, "O"},
        {false, false, true, false, "R"},   {false, false, true, true, "RO"},
        {false, false, false, false, "RO"}, {false, true, true, true, ""},
        {false, true, false, false, "O"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.arguments << c.onceADayHolds << c.fileLoads << c.pressOptions);
        std::filesystem::remove(path);
        if (c.fileLoads) {
            WriteFile(path, kData);
        }
        store.values = {{"onceaday", "1"}, {"lastrun", c.onceADayHolds ? "2026126" : "2026125"}};
        dialogs = FakeDialogs();
        dialogs.pressOptions = c.pressOptions;
        Run(c.arguments);
        EXPECT_EQ(dialogs.calls, c.shown);
        EXPECT_EQ(std::filesystem::exists(path), c.fileLoads) << "nothing changed, nothing written";
    }
}

TEST_F(RunFlow, NotificationAndDailyTable) {
    using N = NotifyOutcome;
    struct Case {
        bool daily, dailyOption, ranToday, notify, due;
        NotifyOutcome notified;
        const char* shown;
    };
    const Case cases[] = {
        {true, false, false, false, true, N::NotSent, ""},  // switched off
        {true, true, true, false, true, N::NotSent, ""},    // the logon reminded today
        {true, true, false, false, true, N::NotSent, "R"},
        {false, true, true, false, true, N::NotSent, "R"},  // a logon always reminds
        {false, true, false, true, true, N::NotSent, "NR"},
        {false, true, false, true, true, N::Closed, "N"},
        {true, true, false, true, true, N::ShowWindow, "NR"},
        {false, true, false, true, true, N::OpenOptions, "NO"},
        {false, true, false, true, false, N::Closed, "R"},  // nothing due: no notification
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        WriteFile(path, kData + (c.due ? "Cara,07121990,1,-1,14,0,0,,\r\n" : ""));
        store.values = {{"daily", c.dailyOption ? "1" : "0"},
                        {"notify", c.notify ? "1" : "0"},
                        {"lastrun", c.ranToday ? "2026126" : "2026125"}};
        store.writes = 0;
        dialogs = FakeDialogs();
        dialogs.notified = c.notified;
        Run(false, c.daily);
        EXPECT_EQ(dialogs.calls, c.shown);
        EXPECT_EQ(store.writes == 0, c.daily && !c.dailyOption) << "switched off writes nothing";
    }
}

TEST_F(RunFlow, TheNotificationWaitsWithoutTheLockAndTheWindowReadsAgain) {
    WriteFile(path, kData + "Cara,07121990,1,-1,14,0,0,,\r\n");
    store.values = {{"notify", "1"}};
    dialogs.notified = NotifyOutcome::ShowWindow;
    dialogs.silenceFirst = true;
    // Another run saves while the notification waits.
    const std::string saved = kData + "Dan,08121990,1,-1,14,0,0,,\r\n";
    dialogs.duringNotify = [&] {
        EXPECT_EQ(RunLock(path + ".lock").state(), RunLock::State::Held);
        WriteFile(path, saved);
    };
    Run(false);
    EXPECT_EQ(dialogs.calls, "NR");
    EXPECT_EQ(dialogs.seenRecords, 3u);
    EXPECT_TRUE(dialogs.messages.empty()) << "saved over what was read after the notification";
}

TEST_F(RunFlow, FirstRun) {
    Run(false);
    EXPECT_EQ(dialogs.calls, "RO");
    EXPECT_EQ(dialogs.seenRecords, 0u);
    EXPECT_EQ(dialogs.seenFormat, "%d/%m/%y");
    EXPECT_FALSE(std::filesystem::exists(path));
    // The defaults were written at once, and again at the end with the run's own day.
    EXPECT_EQ(store.writes, 14);
    EXPECT_EQ(store.values["days"], "30");
    EXPECT_EQ(store.values["lastrun"], "2026126");
}

TEST_F(RunFlow, OnlyChangesAreWritten) {
    WriteFile(path, kData);
    dialogs.silenceFirst = true;
    Run(false);
    EXPECT_EQ(ReadFile(path), std::string(kDataFileHeader) +
                                  "\r\nAnna,12051976,2,2027,14,0,0,anna@example.org,\r\n"
                                  "Bob,24121990,3,-1,7,0,0,,\r\n");

    WriteFile(path, kData);
    dialogs = FakeDialogs();
    dialogs.pressOptions = true;
    dialogs.addInOptions = true;
    Run(false);
    EXPECT_EQ(ReadFile(path), kData + "Added,01022003,0,-1,14,0,0,,\r\n");
}

TEST_F(RunFlow, SettingsChangedInOptionsAreSaved) {
    WriteFile(path, kData);
    store.values = {{"days", "14"}, {"aot", "1"}};
    Run(true);
    EXPECT_EQ(store.values["days"], "30");
    EXPECT_EQ(store.values["aot"], "1");
    EXPECT_EQ(store.values["onceaday"], "0");
    EXPECT_EQ(ReadFile(path), kData);
}

TEST_F(RunFlow, AFileReadOnlyInPartIsNeverReplaced) {
    // A pipe in the file's place exists but cannot be read; saving anyway would end in a
    // failure message rather than the notice.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    dialogs.addInOptions = true;
    Run(false);
    EXPECT_EQ(dialogs.calls, "RO") << "told once, in the Options dialog";
    EXPECT_EQ(dialogs.seenNotice, UnreadableNotice(path));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".lock"));
}

TEST_F(RunFlow, ASecondRunCannotSave) {
    WriteFile(path, kData);
    const RunLock first(path + ".lock");
    ASSERT_EQ(first.state(), RunLock::State::Held);

    // In the Options dialog the user reads why before changing anything.
    dialogs.addInOptions = true;
    Run(true);
    EXPECT_EQ(dialogs.calls, "O");
    EXPECT_EQ(dialogs.seenNotice, BusyNotice(path));
    EXPECT_EQ(ReadFile(path), kData);

    // A record silenced in the reminder window: told when the run ends.
    dialogs = FakeDialogs();
    dialogs.silenceFirst = true;
    Run(false);
    EXPECT_EQ(dialogs.calls, "RM");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{BusyNotice(path)});
    EXPECT_EQ(ReadFile(path), kData);

    // Nothing changed, nothing to tell.
    dialogs = FakeDialogs();
    Run(false);
    EXPECT_EQ(dialogs.calls, "R");
}

TEST_F(RunFlow, FailedSavesAreReported) {
    // The file changes under the run, as when the user edits it by hand meanwhile.
    WriteFile(path, kData);
    const std::string edited = kData + "By hand,01012000,1,-1,14,0,0,,\r\n";
    dialogs.addInOptions = true;
    dialogs.duringOptions = [&] { WriteFile(path, edited); };
    Run(true);
    EXPECT_EQ(dialogs.calls, "OM");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{SaveFailureText({SaveStatus::ChangedOnDisk, 0}, path)});
    EXPECT_EQ(ReadFile(path), edited);

    // A folder that does not exist: the first run cannot create its file.
    dialogs = FakeDialogs();
    dialogs.addInOptions = true;
    path = dir.File("gone/ovras.ini");
    Run(true);
    EXPECT_EQ(dialogs.calls, "OM");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{SaveFailureText({SaveStatus::Failed, ENOENT}, path)});
}

TEST(RunFlowWords, Messages) {
    EXPECT_EQ(UnreadableNotice("/home/u/ovras.ini"),
              "The data file /home/u/ovras.ini exists but could not be read completely. It is "
              "left as it is: changes made now cannot be saved this time.");
    EXPECT_EQ(BusyNotice("/home/u/ovras.ini"),
              "Ovrana is already running and using the data file /home/u/ovras.ini. Changes made "
              "here cannot be saved; close the other Ovrana window first, then start Ovrana again "
              "to make changes.");
    EXPECT_EQ(SaveFailureText({SaveStatus::Failed, EACCES}, "/home/u/ovras.ini"),
              "Your changes could not be saved to /home/u/ovras.ini: Permission denied. The file "
              "was not changed.");
    EXPECT_EQ(SaveFailureText({SaveStatus::ChangedOnDisk, 0}, "/home/u/ovras.ini"),
              "Your changes were not saved: /home/u/ovras.ini was changed by another program "
              "while Ovrana was running, and it keeps those changes.");
}
