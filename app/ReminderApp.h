// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "formats/ContactImport.h"
#include "platform/Settings.h"
#include "platform/TextServices.h"
#include "records/DataFile.h"
#include "records/PersonRecord.h"

class ContactRecords;
#include "reminder/Snoozes.h"

// What the reminder window reports when it closes.
struct ReminderOutcome {
    int optionsRequested = 0;  // 1: "Options..." was pressed
    bool changed = false;      // a record was silenced
};

// What became of a desktop notification of the due records.
enum class NotifyOutcome {
    NotSent,     // no notification service, no display, or sending failed: show the window
    Closed,      // closed, dismissed or expired without an action
    ShowWindow,  // its default action
    OpenOptions,
    Tomorrow,  // "Tomorrow": its records are put off until the next day
    Stopped,   // the run was told to end (SIGTERM) and took its notification along
};

// Runs the two dialogs; the program's one shows windows, or text where it cannot.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual ReminderOutcome RunReminder(RecordList& records, AppSettings& settings) = 0;
    // Returns the dialog's `changed`: a record was added, edited or deleted. A `notice` that is
    // not empty tells the user why changes made now cannot be saved. `contacts` loaded the
    // address books' records, which the dialog loads again when its sync of them ends.
    virtual bool RunOptions(RecordList& records, AppSettings& settings, const std::string& notice,
                            ContactRecords& contacts) = 0;
    // A problem the user must hear of, such as changes that could not be saved.
    virtual void ShowMessage(const std::string& text) = 0;
    // Sends a notification of the due records and waits until it is acted on or gone.
    virtual NotifyOutcome Notify(const RecordList& /*records*/, const AppSettings& /*settings*/) {
        return NotifyOutcome::NotSent;
    }
};

struct AppServices {
    std::function<std::time_t()> clock;
    std::function<std::string()> shortDatePattern;  // the locale's, with d, M and y letters
    KeyValueStore& store;
    DialogHost& dialogs;
    std::string dataPath = "ovras.ini";
    const TextServices* text =
        nullptr;               // the user's language for what they are told; null: English
    bool settingsKept = true;  // false: no home to keep them in, which the user is told
    // Where a run marks that it shows the user this day's reminder; empty: nowhere.
    std::string showingLockFolder;
    // The local copies of address books, whose dates join the records; empty: none.
    std::string addressBookFolder;
    // The file of the records put off until tomorrow; empty: none are kept.
    std::string snoozePath{};
    // Where a time of the daily run chosen in the Options dialog goes; empty: nowhere.
    std::string dailyTimerFolder;
    // Called once what the Options dialog changed is kept, so that the published calendar
    // follows it (in the background: the run itself never waits for a server); empty: none.
    std::function<void()> optionsSaved{};
};

// Whether a run already happened today so that this one shows nothing: with "once a day", and
// always for the daily run, which must not repeat the logon's reminder.
bool AlreadyRanToday(const AppSettings& settings, const CivilDate& today, bool daily);

// Owns the records and the settings for the whole run and decides which dialogs the user sees.
class CReminderApp {
public:
    explicit CReminderApp(AppServices services) : services_(std::move(services)) {}

    // The whole run: read, remind or manage, write back what changed. `hasArguments` opens the
    // Options dialog directly; `daily` is the morning timer's run.
    void InitInstance(bool hasArguments, bool daily = false);

    RecordList records;
    AppSettings settings;

private:
    NotifyOutcome NotifyUnlocked();
    ImportDefaults ContactDefaults() const;
    // Writes the records put off until tomorrow when they changed since `read`, or past days go.
    void KeepSnoozes(const Snoozes& read);

    AppServices services_;
};
