// SPDX-License-Identifier: MIT
// Drives the data file and the run flow for tests with real processes on real files:
//   fault_helper write <path> <version>   writes version 0 or 1 of a long record list
//   fault_helper save-loop <path>         saves versions 0 and 1 in turn until it is killed
//   fault_helper run <name> [<hold>]      one run in the working directory whose Options dialog
//                                         adds a record named <name>; given <hold>, the dialog
//                                         creates <hold>.open and stays open while <hold> exists
// Whatever the run tells the user goes to standard error as "notice: ..." or "message: ...".
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "TestSupport.h"
#include "app/ReminderApp.h"
#include "model/DataFile.h"

namespace {

RecordList Version(int version) {
    RecordList records;
    for (int i = 0; i < 5000; ++i) {
        PersonRecord record =
            Record("Person " + std::to_string(i) + " of version " + std::to_string(version),
                   1 + i % 28, 1 + i % 12, 1950 + version);
        record.email = "person" + std::to_string(i) + "@example.org";
        Append(records, record);
    }
    return records;
}

void Say(const char* kind, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
}

class ScriptedDialogs : public DialogHost {
public:
    ScriptedDialogs(std::string name, std::string hold)
        : name_(std::move(name)), hold_(std::move(hold)) {}

    ReminderOutcome RunReminder(RecordList&, AppSettings&) override { return {}; }

    bool RunOptions(RecordList& records, AppSettings&, const std::string& notice) override {
        if (!notice.empty()) {
            Say("notice", notice);
        }
        Append(records, Record(name_, 1, 1, 2000));
        if (!hold_.empty()) {
            WriteFile(hold_ + ".open", "");
            while (std::filesystem::exists(hold_)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return true;
    }

    void ShowMessage(const std::string& text) override { Say("message", text); }

private:
    std::string name_;
    std::string hold_;
};

int Usage() {
    std::fputs("usage: fault_helper write <path> <0|1> | save-loop <path> | run <name> [<hold>]\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 4) {
        return SaveRecords(argv[2], Version(std::stoi(argv[3]))) ? 0 : 1;
    }
    if (command == "save-loop" && argc == 3) {
        const RecordList versions[] = {Version(0), Version(1)};
        for (unsigned i = 0;; ++i) {
            SaveRecords(argv[2], versions[i % 2]);
        }
    }
    if (command == "run" && (argc == 3 || argc == 4)) {
        FakeStore store;
        ScriptedDialogs dialogs(argv[2], argc == 4 ? argv[3] : "");
        CReminderApp app({[] { return std::time(nullptr); },
                          [] { return std::string("dd/MM/yyyy"); }, store, dialogs});
        app.InitInstance(true);
        return 0;
    }
    return Usage();
}
