// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/ReminderApp.h"
#include "model/DataFile.h"

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
    bool RunOptions(RecordList& records, AppSettings& settings) override {
        calls += "O";
        if (addInOptions) {
            Append(records, Record("Added", 1, 2, 2003));
        }
        settings.defaultDays = 30;
        return addInOptions;
    }
    std::string calls;
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

    void Run(bool hasArguments) {
        const std::time_t start = Noon();
        int reads = 0;
        CReminderApp app({[&] { return start + 3600 * 24 * reads++; },  // the end reads tomorrow
                          [] { return std::string("dd/MM/yyyy"); }, store, dialogs, path});
        app.InitInstance(hasArguments);
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

TEST_F(RunFlow, FirstRun) {
    Run(false);
    EXPECT_EQ(dialogs.calls, "RO");
    EXPECT_EQ(dialogs.seenRecords, 0u);
    EXPECT_EQ(dialogs.seenFormat, "%d/%m/%y");
    EXPECT_FALSE(std::filesystem::exists(path));
    // The defaults were written at once, and again at the end with the date of the end.
    EXPECT_EQ(store.writes, 10);
    EXPECT_EQ(store.values["days"], "30");
    EXPECT_EQ(store.values["lastrun"], "2026127");
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
