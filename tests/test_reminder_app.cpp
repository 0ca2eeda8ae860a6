// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "TestSupport.h"
#include "app/ReminderApp.h"
#include "contacts/AddressBookCopy.h"
#include "records/DataFile.h"
#include "reminder/Snoozes.h"
#include "storage/RunLock.h"

namespace {

// Answers like the dialogs would and records what was shown.
class FakeDialogs : public DialogHost {
public:
    ReminderOutcome RunReminder(RecordList& records, AppSettings&) override {
        calls += "R";
        if (silenceFirst && !records.empty()) {
            records.front()->skipYear = records.front()->nextYear;
        }
        return {pressOptions ? 1 : 0, silenceFirst};
    }
    bool RunOptions(RecordList& records, AppSettings& settings, const std::string& notice,
                    ContactRecords&) override {
        calls += "O", told += notice;
        meanwhile();
        if (addInOptions) {
            Append(records, Record("Added", 1, 2, 2003));
        }
        settings.defaultDays = 30;
        settings.dailyAt = dailyAt.value_or(settings.dailyAt);
        return addInOptions;
    }
    void ShowMessage(const std::string& text) override { calls += "M", told += text; }
    NotifyOutcome Notify(const RecordList&, const AppSettings&) override {
        calls += "N";
        meanwhile();
        return notified;
    }
    NotifyOutcome notified = NotifyOutcome::NotSent;
    std::function<void()> meanwhile = [] {};  // another program, while a dialog or notice waits
    std::string calls, told;
    bool pressOptions = false, silenceFirst = false, addInOptions = false;
    std::optional<int> dailyAt;  // the time chosen in Options
};

const std::string kData = std::string(kDataFileHeader) +
                          "\r\nAnna,12051976,2,-1,14,0,0,anna@example.org,\r\n"
                          "Bob,24121990,3,-1,7,0,0,,\r\n";

class RunFlow : public ::testing::Test {
protected:
    // 6 December 2026 at noon, local time; the run ends the next day.
    void Run(bool hasArguments, bool daily = false) {
        std::tm tm{0, 0, 12, 6, 11, 126, 0, 0, -1, 0, nullptr};
        const std::time_t start = std::mktime(&tm);
        int reads = 0;
        CReminderApp app({[&] { return start + 3600 * 24 * reads++; },
                          [] { return std::string("dd/MM/yyyy"); }, store, dialogs, path, nullptr,
                          true, dir.File("."), dir.File("books"), dir.File("snoozed"),
                          dir.File("timer"), [&] { ++published; }});
        app.InitInstance(hasArguments, daily);
    }

    TempDir dir;
    std::string path = dir.File("ovras.ini");
    MapStore store;
    FakeDialogs dialogs;
    int published = 0;  // the calendar asked to follow the Options dialog's changes
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
        SCOPED_TRACE(&c - cases);
        std::filesystem::remove(path);
        if (c.fileLoads) {
            WriteFile(path, kData);
        }
        // 2026126 is 26 January's run as well: it never counts as today's.
        store.values = {{"onceaday", "1"}, {"lastrun", c.onceADayHolds ? "20261206" : "2026126"}};
        dialogs = FakeDialogs();
        dialogs.pressOptions = c.pressOptions;
        Run(c.arguments);
        EXPECT_EQ(dialogs.calls, c.shown);
        EXPECT_EQ(dialogs.told, "") << "no data file is no failure";
        EXPECT_EQ(std::filesystem::exists(path), c.fileLoads) << "nothing changed, nothing written";
        // The day the run worked out, though it ended the next day: its reminders are to come.
        EXPECT_EQ(store.values["lastrun"], "20261206");
        EXPECT_EQ(store.values["days"], std::strchr(c.shown, 'O') ? "30" : "0")
            << "as Options left it";
    }
}

// "Tomorrow" puts off the notification's records, and keeps what another run put off meanwhile.
TEST_F(RunFlow, TomorrowKeepsWhatAnotherRunPutOff) {
    WriteFile(path, kData + "Cara,07121990,1,-1,14,0,0,,\r\n");
    store.values = {{"notify", "1"}, {"lastrun", "20261201"}};
    dialogs.notified = NotifyOutcome::Tomorrow;
    dialogs.meanwhile = [&] { WriteSnoozes(dir.File("snoozed"), MakeDay(2026, 12, 6), {7}); };
    Run(false);
    EXPECT_EQ(ReadSnoozes(dir.File("snoozed"), MakeDay(2026, 12, 6)).keys,
              std::set<std::uint64_t>({7, SnoozeKey(Record("Cara", 7, 12, 1990))}));
}

TEST_F(RunFlow, NotificationAndDailyTable) {
    using N = NotifyOutcome;
    struct Case {
        bool daily, dailyOption, ranToday, notify, due;
        NotifyOutcome notified;
        const char* shown;
        bool shownElsewhere = false;  // another run shows today's reminder
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
        {true, true, false, true, true, N::ShowWindow, "", true},
        {false, true, false, false, true, N::NotSent, "R", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        WriteFile(path, kData + (c.due ? "Cara,07121990,1,-1,14,0,0,,\r\n" : ""));
        store.values = {{"daily", c.dailyOption ? "1" : "0"},
                        {"notify", c.notify ? "1" : "0"},
                        {"lastrun", c.ranToday ? "20261206" : "2026126"}};
        const auto before = store.values;
        dialogs = FakeDialogs();
        dialogs.notified = c.notified;
        std::optional<RunLock> other;
        if (c.shownElsewhere) {
            other.emplace(dir.File("ovrana-showing-20261206.lock"));
        }
        Run(false, c.daily);
        EXPECT_EQ(dialogs.calls, c.shown);
        EXPECT_EQ(store.values == before, c.daily && (!c.dailyOption || c.shownElsewhere))
            << "switched off, or shown elsewhere, writes nothing";
    }
}

// The changes of a run are saved; whatever keeps them from the file is told once, in the Options
// dialog when it is open, and the file keeps what it holds. A file removed meanwhile may be
// written again; one made or edited meanwhile is someone else's. The notification waits without
// the lock, so another run may save meanwhile; the window then reads the file again.
TEST_F(RunFlow, ChangesAreSavedOrWhyNotIsTold) {
    std::string edited = kData;
    edited.replace(edited.find("Bob"), 3, "Rob");  // the same size
    const std::string silenced = std::string(kDataFileHeader) +
                                 "\r\nAnna,12051976,2,2027,14,0,0,anna@example.org,\r\n"
                                 "Bob,24121990,3,-1,7,0,0,,\r\n";
    const std::string missing = dir.File("unmounted/ovras.ini");
    const std::string busy = "already running and using the data file " + path + ".";
    const std::string added = kData + "Added,01022003,0,-1,14,0,0,,\r\n";
    const std::string changed = path + " was changed by another program";
    const std::string header = std::string(kDataFileHeader) + "\r\n";
    const std::string dan = "Dan,08121990,1,-1,14,0,0,,\r\n";  // due in two days
    struct Case {
        std::string what;
        bool arguments;
        const char* shown;
        std::string told;          // a part of it
        std::string file = kData;  // empty: not a plain file, left as it is
    };
    const Case cases[] = {
        {"saved", true, "O", "", added},
        {"saved", false, "R", "", silenced},
        {"notified", false, "NR", "", silenced},
        {"removed", true, "O", "", added},
        {"pipe", false, "RO", path + " exists but could not be read completely.", ""},
        {"busy", true, "O", busy},
        {"busy", false, "RM", busy},
        {"edited", true, "OM", changed, edited},
        {"made", true, "OM", changed, edited},
        {"no backup", true, "OM", "saved to " + path + ".bak: Is a directory."},
        {"no lock", true, "O", "lock " + path + ".lock: Is a directory."},
        {"linked", true, "OM", path + " has other names (hard links)"},
        {"dangling", true, "O", path + " points to " + missing + ", which does not exist.", ""},
        {"contact", false, "RO", "", ""},  // silenced in its copy; no data file made for it
        {"contact in a file", false, "R", "", header},  // nor is the data file saved again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& file : {path, path + ".lock", path + ".bak", dir.File("books")}) {
            std::filesystem::remove_all(file);
        }
        AddressBookCopy book;
        book.url = "https://h/";
        book.cards.push_back({"/1.vcf", "e", "u1", "Cara", "", {{false, 7, 12, 1990}}});
        if (c.what.starts_with("contact")) {
            WriteCopy(dir.File("books/1.book"), book);
        }
        std::unique_ptr<RunLock> other;
        dialogs = FakeDialogs();
        dialogs.addInOptions = c.arguments;
        dialogs.silenceFirst = !c.arguments;
        store.values = {{"notify", c.what == "notified" ? "1" : "0"}};
        if (c.what == "pipe") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else if (c.what == "dangling") {
            std::filesystem::create_symlink(missing, path);
        } else if (c.what != "made" && c.what != "contact") {
            WriteFile(path, c.what == "notified"            ? kData + dan
                            : c.what == "contact in a file" ? header
                                                            : kData);
        }
        if (c.what == "busy") {
            other = std::make_unique<RunLock>(path + ".lock");
        } else if (c.what == "no lock" || c.what == "no backup") {
            std::filesystem::create_directory(path + (c.what == "no lock" ? ".lock" : ".bak"));
        } else if (c.what == "edited" || c.what == "made") {
            dialogs.meanwhile = [&] { WriteFile(path, edited); };
        } else if (c.what == "removed") {
            dialogs.meanwhile = [&] { std::filesystem::remove(path); };
        } else if (c.what == "notified") {
            dialogs.notified = NotifyOutcome::ShowWindow;
            dialogs.meanwhile = [&] {
                EXPECT_EQ(RunLock(path + ".lock").state(), RunLock::State::Held);
                WriteFile(path, kData);
            };
        } else if (c.what == "linked") {
            std::filesystem::create_hard_link(path, dir.File("other name"));
        }
        const auto type = std::filesystem::symlink_status(path).type();
        published = 0;
        Run(c.arguments);
        EXPECT_EQ(published,
                  (c.what == "saved" && c.arguments) || c.what == "removed" || c.what == "contact");
        EXPECT_EQ(dialogs.calls, c.shown);
        EXPECT_NE(dialogs.told.find(c.told), std::string::npos) << dialogs.told;
        if (c.file.empty()) {
            EXPECT_EQ(std::filesystem::symlink_status(path).type(), type);
        } else {
            EXPECT_EQ(ReadFile(path), c.file);
        }
        ReadCopy(dir.File("books/1.book"), book);
        EXPECT_EQ(book.choices.size(), c.what.starts_with("contact") ? 1u : 0u);
        if (c.what == "contact in a file") {
            EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
        }
    }
}

// A save killed between naming its new file and putting it in place leaves that file; the next
// run that holds the lock removes it, and nothing that only looks like one.
TEST_F(RunFlow, LeftoversOfKilledSavesGoWhileNoSaveCanRun) {
    WriteFile(path, kData);
    const std::pair<const char*, bool> files[] = {
        {"ovras.ini.ovrana-new.Ab3xYz", true},  {"ovras.ini.bak.ovrana-new.000000", true},
        {"ovras.ini.ovrana-new.Ab3xY", false},  {"ovras.ini.ovrana-new.Ab3xYz1", false},
        {"ovras.ini.ovrana-new.Ab-xYz", false}, {"ovras.ini.ovrana-old.Ab3xYz", false},
        {"other.ini.ovrana-new.Ab3xYz", false},
    };
    for (const auto& [name, leftover] : files) {
        WriteFile(dir.File(name), "");
    }
    {
        const RunLock other(path + ".lock");
        Run(false);
        EXPECT_TRUE(std::filesystem::exists(dir.File(files[0].first))) << "a save may be running";
    }
    Run(false);
    for (const auto& [name, leftover] : files) {
        EXPECT_NE(std::filesystem::exists(dir.File(name)), leftover) << name;
    }
}

// A time chosen in Options moves the timer; one the timer could not take is not kept, and the
// user is told.
TEST_F(RunFlow, DailyTimeGoesToTheTimer) {
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable);
        std::filesystem::remove_all(dir.File("timer"));
        if (!writable) {
            WriteFile(dir.File("timer"), "");  // where the folder should be
        }
        store.values = {{"dailyat", "7:05"}};
        dialogs = FakeDialogs();
        dialogs.dailyAt = 6 * 60 + 30;
        Run(true);
        EXPECT_EQ(store.values["dailyat"], writable ? "06:30" : "07:05");
        EXPECT_EQ(dialogs.calls, writable ? "O" : "OM");
        EXPECT_EQ(ReadFile(dir.File("timer/time.conf")).find("OnCalendar=*-*-* 06:30:00\n") !=
                      std::string::npos,
                  writable);
    }
}
