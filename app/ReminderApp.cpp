// SPDX-License-Identifier: MIT
#include "ReminderApp.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "contacts/ContactRecords.h"
#include "platform/DailyTimer.h"
#include "platform/Messages.h"
#include "records/DatePattern.h"
#include "records/Dates.h"
#include "reminder/DueRecords.h"
#include "storage/RunLock.h"

namespace {

// The data file as the user can find it: the working directory is rarely on their mind.
std::string ShownPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// A notice in the user's language, its file names and reasons filled in.
std::string Say(const TextServices* text, const char* source,
                std::initializer_list<std::string_view> args) {
    return FillIn(text != nullptr ? text->Translate("Notice", source, -1) : source, args);
}

std::string UnreadableNotice(const std::string& file, const TextServices* text) {
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "The data file %1 exists but could not be read completely. It is "
                                 "left as it is: changes made now cannot be saved this time."),
               {file});
}

std::string BusyNotice(const std::string& file, const TextServices* text) {
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "Ovrana is already running and using the data file %1. Changes "
                                 "made here cannot be saved; close the other Ovrana window first, "
                                 "then start Ovrana again to make changes."),
               {file});
}

std::string NoLockNotice(const std::string& file, int error, const TextServices* text) {
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "Ovrana could not take its lock %1: %2. Changes made here cannot "
                                 "be saved, as another Ovrana could be changing the data file at "
                                 "the same time."),
               {file, std::generic_category().message(error)});
}

// A link into a drive that is not mounted: the records are there, only not now.
std::string DanglingNotice(const std::string& file, const std::string& target,
                           const TextServices* text) {
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "The data file %1 points to %2, which does not exist. It is left "
                                 "as it is: changes made now cannot be saved this time."),
               {file, target});
}

std::string NoHomeNotice(const TextServices* text) {
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "No home folder is set (HOME), so the options cannot be kept: "
                                 "Ovrana uses the defaults this time."),
               {});
}

std::string SaveFailureText(const SaveResult& result, const std::string& file,
                            const TextServices* text) {
    if (result.status == SaveStatus::ChangedOnDisk) {
        return Say(text,
                   QT_TRANSLATE_NOOP("Notice",
                                     "Your changes were not saved: %1 was changed by another "
                                     "program while Ovrana was running, and it keeps those "
                                     "changes."),
                   {file});
    }
    if (result.status == SaveStatus::TooLarge) {
        return Say(text,
                   QT_TRANSLATE_NOOP("Notice",
                                     "Your changes were not saved: with them %1 would be larger "
                                     "than Ovrana can read. The file was not changed."),
                   {file});
    }
    if (result.error == EMLINK) {
        return Say(text,
                   QT_TRANSLATE_NOOP("Notice",
                                     "Your changes were not saved: %1 has other names (hard "
                                     "links), and a new file in its place would split it from "
                                     "them. The file was not changed."),
                   {file});
    }
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "Your changes could not be saved to %1: %2. The file was not "
                                 "changed."),
               {file, std::generic_category().message(result.error)});
}

// The user's language for the texts of platform/Messages; null: English.
PluralTranslator Words(const TextServices* text) {
    return [text](const char* context, const char* source, int n) {
        return text != nullptr ? text->Translate(context, source, n) : std::string(source);
    };
}

std::string ChoicesNotSavedNotice(const std::vector<std::string>& books, const TextServices* text) {
    std::string names;
    for (const std::string& book : books) {
        names += (names.empty() ? "\"" : ", \"") + book + '"';
    }
    return Say(text,
               QT_TRANSLATE_NOOP("Notice",
                                 "Your changes to contacts of the address book %1 could not be "
                                 "saved in its local copy."),
               {names});
}

}  // namespace

bool AlreadyRanToday(const AppSettings& settings, const CivilDate& today, bool daily) {
    return (settings.onceADay || daily) && IsRunDateOf(settings.lastRun, today);
}

ImportDefaults CReminderApp::ContactDefaults() const {
    const PluralTranslator say = Words(services_.text);
    return {settings.defaultIcon, settings.defaultDays,
            TranslatedAnniversaryName([&say](const char* context, const char* source) {
                return say(context, source, -1);
            })};
}

// The notification may wait for hours: it is sent and waited on without the run lock, so that
// other runs can save meanwhile. An action takes the lock and reads the file again.
NotifyOutcome CReminderApp::NotifyUnlocked() {
    RecordList unlocked;
    ContactRecords contacts;
    NotifyOutcome outcome = NotifyOutcome::NotSent;
    if (LoadRecords(services_.dataPath, unlocked) == LoadStatus::Loaded) {
        contacts.Load(services_.addressBookFolder, unlocked, ContactDefaults());
        UpdateAllRecords(unlocked, settings.today);
        if (std::any_of(unlocked.begin(), unlocked.end(),
                        [&](const auto& r) { return IsShown(*r, settings); })) {
            outcome = services_.dialogs.Notify(unlocked, settings);
        }
        // The notification's records, as it listed them.
        for (const auto& record : unlocked) {
            if (outcome == NotifyOutcome::Tomorrow && IsShown(*record, settings)) {
                settings.snoozed.insert(SnoozeKey(*record));
            }
        }
    }
    FreeRecords(unlocked);
    return outcome;
}

void CReminderApp::KeepSnoozes(const Snoozes& read) {
    if (services_.snoozePath.empty() || (!read.stale && settings.snoozed == read.keys)) {
        return;
    }
    // Another run may have put off records meanwhile; none is taken back within a day.
    std::set<std::uint64_t> keys = ReadSnoozes(services_.snoozePath, settings.today).keys;
    keys.insert(settings.snoozed.begin(), settings.snoozed.end());
    // A failure is not told: the records merely come again at a later run today.
    WriteSnoozes(services_.snoozePath, settings.today, keys);
}

void CReminderApp::InitInstance(bool hasArguments, bool daily) {
    const std::time_t started = services_.clock();
    const CivilDate todayDate = LocalDate(started);
    const std::string todayText = RunDateText(todayDate);
    settings.today = MakeToday(started);
    settings.dateFormat = MakeDatePattern(services_.shortDatePattern());
    LoadSettings(services_.store, settings, todayText);
    if (daily && !settings.daily) {
        return;
    }
    const Snoozes snoozes = services_.snoozePath.empty()
                                ? Snoozes{}
                                : ReadSnoozes(services_.snoozePath, settings.today);
    settings.snoozed = snoozes.keys;
    const int dailyAt = settings.dailyAt;
    const bool remind = !hasArguments && !AlreadyRanToday(settings, todayDate, daily);
    // Held while the window shows this day's reminder or its notification waits, when the run
    // date is not written yet: a daily run then shows nothing and writes nothing. A window left
    // open since another day does not hold back today's reminder.
    std::optional<RunLock> showing;
    if (remind && !services_.showingLockFolder.empty()) {
        showing.emplace(services_.showingLockFolder + "/ovrana-showing-" + todayText + ".lock");
        if (daily && showing->state() == RunLock::State::Busy) {
            return;
        }
    }
    const NotifyOutcome notified =
        remind && settings.notify ? NotifyUnlocked() : NotifyOutcome::NotSent;
    if (notified == NotifyOutcome::Stopped) {
        return;  // unseen perhaps: the next run reminds again
    }
    if (notified == NotifyOutcome::Closed || notified == NotifyOutcome::Tomorrow) {
        KeepSnoozes(snoozes);
        SaveSettings(services_.store, settings, todayText);
        return;
    }

    // Held until the records are written back, so that a second run cannot interleave.
    const RunLock lock(services_.dataPath + ".lock");
    if (lock.state() == RunLock::State::Held) {
        RemoveSaveLeftovers(services_.dataPath);  // no other save can be running now
    }
    FileStamp read;
    const LoadStatus load = LoadRecords(services_.dataPath, records, &read);
    bool openOptions = load != LoadStatus::Loaded;
    ContactRecords contacts;
    const std::vector<std::string> unreadableCopies =
        contacts.Load(services_.addressBookFolder, records, ContactDefaults());
    UpdateAllRecords(records, settings.today);
    // Why changes of this run cannot be written; empty when they can. A file read only in part
    // would be replaced by what little was read.
    std::string notice;
    if (load == LoadStatus::Unreadable) {
        std::error_code noLink;
        const std::filesystem::path target =
            std::filesystem::read_symlink(services_.dataPath, noLink);
        notice =
            !noLink && !std::filesystem::exists(services_.dataPath, noLink)
                ? DanglingNotice(ShownPath(services_.dataPath), target.string(), services_.text)
                : UnreadableNotice(ShownPath(services_.dataPath), services_.text);
    } else if (lock.state() == RunLock::State::Busy) {
        notice = BusyNotice(ShownPath(services_.dataPath), services_.text);
    } else if (lock.state() == RunLock::State::Unavailable) {
        // Unlocked, two runs could both edit and one would lose its edits.
        notice =
            NoLockNotice(ShownPath(services_.dataPath + ".lock"), lock.error(), services_.text);
    }
    if (!services_.settingsKept) {
        services_.dialogs.ShowMessage(NoHomeNotice(services_.text));
    }

    const bool optionsOnly = hasArguments || notified == NotifyOutcome::OpenOptions;
    // Told only when a window shows, once a run.
    if (!unreadableCopies.empty() && (remind || openOptions || optionsOnly)) {
        services_.dialogs.ShowMessage(
            UnreadableCopiesText(unreadableCopies, Words(services_.text)));
    }
    bool changed = false;
    if (optionsOnly) {
        openOptions = true;
    } else if (remind) {
        const ReminderOutcome outcome = services_.dialogs.RunReminder(records, settings);
        if (outcome.optionsRequested == 1) {
            openOptions = true;
        }
        changed = outcome.changed;
    }
    if (openOptions && services_.dialogs.RunOptions(records, settings, notice, contacts)) {
        changed = true;
    }
    if (settings.dailyAt != dailyAt && !services_.dailyTimerFolder.empty()) {
        // The setting keeps the time the timer keeps.
        if (const int error = SetDailyTimer(services_.dailyTimerFolder, settings.dailyAt)) {
            const std::string text =
                DailyTimerFailureText(services_.dailyTimerFolder, error, Words(services_.text));
            services_.dialogs.ShowMessage(
                (services_.text != nullptr ? services_.text->UpperFirst(text) : text) + ".");
            settings.dailyAt = dailyAt;
        }
    }
    if (const std::vector<std::string> failed = contacts.SaveChoices(records); !failed.empty()) {
        services_.dialogs.ShowMessage(ChoicesNotSavedNotice(failed, services_.text));
    }
    // The address books' dates keep the user's choices in their copies, not in the data file.
    changed = changed && !HoldsRecords(read, records);
    bool kept = true;

    if (changed && !notice.empty()) {
        if (!openOptions) {
            services_.dialogs.ShowMessage(notice);  // the Options dialog has said it already
        }
    } else if (changed) {
        // The file must still be what was read: another program may have changed it meanwhile.
        const SaveResult saved = SaveRecords(services_.dataPath, records, &read);
        if (!saved) {
            const std::string& failed = saved.file.empty() ? services_.dataPath : saved.file;
            services_.dialogs.ShowMessage(
                SaveFailureText(saved, ShownPath(failed), services_.text));
        }
        kept = static_cast<bool>(saved);
    }
    if (openOptions && kept && notice.empty() && services_.optionsSaved) {
        services_.optionsSaved();
    }
    KeepSnoozes(snoozes);
    // The day whose reminders this run worked out, even when its window closed after midnight.
    SaveSettings(services_.store, settings, todayText);
    FreeRecords(records);
}
