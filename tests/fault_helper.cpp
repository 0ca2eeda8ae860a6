// SPDX-License-Identifier: MIT
// Drives the data file and the run flow for tests with real processes on real files:
//   fault_helper versions            writes v0 and v1, two versions of a long record list
//   fault_helper save-loop <path>    saves the two versions in turn until it is killed
//   fault_helper run <name> [<hold>]  one run in the working directory whose Options dialog adds
//                                   a record named <name>; given <hold>, the dialog creates
//                                   <hold>.open and stays open while <hold> exists
// Whatever the run tells the user goes to standard error.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>

#include "TestSupport.h"
#include "app/ReminderApp.h"
#include "model/DataFile.h"

namespace {

RecordList Version(int version) {
    RecordList records;
    for (int i = 0; i < 5000; ++i) {
        Append(records,
               Record("Person " + std::to_string(i) + " of version " + std::to_string(version),
                      1 + i % 28, 1 + i % 12, 1950 + version));
    }
    return records;
}

class ScriptedDialogs : public DialogHost {
public:
    ScriptedDialogs(std::string name, std::string hold) : name_(name), hold_(hold) {}
    ReminderOutcome RunReminder(RecordList&, AppSettings&) override { return {}; }
    bool RunOptions(RecordList& records, AppSettings&, const std::string& notice) override {
        ShowMessage(notice);
        Append(records, Record(name_, 1, 1, 2000));
        if (!hold_.empty()) {
            WriteFile(hold_ + ".open", "");
            while (std::filesystem::exists(hold_)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return true;
    }
    void ShowMessage(const std::string& text) override {
        if (!text.empty()) {
            std::fprintf(stderr, "%s\n", text.c_str());
        }
    }
    std::string name_, hold_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const RecordList versions[] = {Version(0), Version(1)};
    if (command == "versions") {
        WriteFile("v0", FormatRecords(versions[0]));
        WriteFile("v1", FormatRecords(versions[1]));
        return 0;
    }
    if (command == "save-loop" && argc > 2) {
        for (unsigned i = 0;; ++i) {
            SaveRecords(argv[2], versions[i % 2]);
        }
    }
    if (command == "run" && argc > 2) {
        MapStore store;
        ScriptedDialogs dialogs(argv[2], argc > 3 ? argv[3] : "");
        CReminderApp app({[] { return std::time(nullptr); },
                          [] { return std::string("dd/MM/yyyy"); }, store, dialogs});
        app.InitInstance(true);
        return 0;
    }
    std::fputs("usage: fault_helper versions | save-loop <path> | run <name> [<hold>]\n", stderr);
    return 2;
}
