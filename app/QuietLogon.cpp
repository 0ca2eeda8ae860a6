// SPDX-License-Identifier: MIT
#include "QuietLogon.h"

#include <map>

#include "ReminderApp.h"
#include "contacts/ContactRecords.h"
#include "platform/Settings.h"
#include "platform/SettingsFile.h"
#include "records/DataFile.h"
#include "records/Dates.h"
#include "reminder/DueRecords.h"
#include "reminder/Snoozes.h"
#include "storage/FileReplace.h"

namespace {

// Far above the few short lines Qt writes.
constexpr std::size_t kMaxSettingsBytes = 65536;

}  // namespace

QuietLogon RunQuietLogon(const QuietLogonFiles& files) {
    if (files.settingsPath.empty()) {
        return QuietLogon::HandOver;
    }
    // A missing or empty settings file is a first run, which writes the defaults at once.
    // A symbolic link is refused, as Qt would replace the file it points to rather than the link.
    std::string settingsText;
    const FileRead read =
        ReadPieces(files.settingsPath, kMaxSettingsBytes, false, [&](std::string_view piece) {
            settingsText.append(piece);
            return true;
        });
    if (!read.complete) {
        return QuietLogon::HandOver;
    }
    std::optional<std::map<std::string, std::string>> values = ParseSettingsText(settingsText);
    if (!values || values->empty()) {
        return QuietLogon::HandOver;
    }

    const std::time_t started = files.clock();
    const CivilDate todayDate = LocalDate(started);
    const std::string todayText = RunDateText(todayDate);
    MapStore store(std::move(*values));
    AppSettings settings;
    LoadSettings(store, settings, todayText);
    if (files.daily && !settings.daily) {
        return QuietLogon::Done;  // switched off: not even the run date is written
    }
    const bool remind = !AlreadyRanToday(settings, todayDate, files.daily);
    // The records go through the data file's own reader, one at a time. The first due one ends
    // the reading when there is a reminder to show; without a reminder the file is still read to
    // its end, as one that cannot be read opens the Options dialog.
    const DayNumber today = MakeToday(started);
    settings.today = today;
    const Snoozes snoozes =
        files.snoozePath.empty() ? Snoozes{} : ReadSnoozes(files.snoozePath, today);
    settings.snoozed = snoozes.keys;
    // The address books' due dates, unless a record of the data file takes their place. An
    // anniversary's name is in the user's language, which only the whole program knows: it is
    // never taken as matched here. A copy that cannot be read is for the whole program to tell.
    ContactRecords contacts;
    RecordList dueContacts;
    if (remind) {
        if (!contacts
                 .Load(files.addressBookFolder, dueContacts,
                       {settings.defaultIcon, settings.defaultDays})
                 .empty()) {
            return QuietLogon::HandOver;
        }
        UpdateAllRecords(dueContacts, today);
        std::erase_if(dueContacts,
                      [&](const auto& contact) { return !IsShown(*contact, settings); });
    }
    bool due = false;
    const LoadStatus load = ReadRecords(files.dataPath, [&](PersonRecord& record) {
        UpdateRecord(record, today);
        due = due || IsShown(record, settings);
        std::erase_if(dueContacts, [&](const auto& contact) {
            return contact->notABirthday == 0 && contact->name == record.name &&
                   contact->day == record.day && contact->month == record.month;
        });
        return !(remind && due);
    });
    if (load != LoadStatus::Loaded || (remind && (due || !dueContacts.empty()))) {
        return QuietLogon::HandOver;
    }
    if (snoozes.stale) {
        WriteSnoozes(files.snoozePath, today, snoozes.keys);  // past days go
    }
    SaveSettings(store, settings, todayText);  // the day worked out, even past midnight
    // The same text again, the usual case from the second run of a day on, is not rewritten.
    const std::string text = FormatSettingsText(store.values);
    if (text != settingsText) {
        ReplaceFile(files.settingsPath, text);  // failures are ignored, as for every settings write
    }
    return QuietLogon::Done;
}
