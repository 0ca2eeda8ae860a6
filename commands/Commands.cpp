// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "contacts/ContactRecords.h"
#include "platform/DailyTimer.h"
#include "platform/Settings.h"
#include "text/DisplayText.h"

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts,
              const PluralTranslator& say, const std::string& addressBookFolder,
              const ImportDefaults& defaults) {
    ContactRecords contacts;
    std::vector<std::string> unreadable;
    const Problem problem =
        ExportDataFile(dataPath, target, std::time(nullptr), texts, [&](RecordList& records) {
            unreadable = contacts.Load(addressBookFolder, records, defaults);
        });
    if (!unreadable.empty()) {
        PrintError(UnreadableCopiesText(unreadable, say));
    }
    if (problem.Failed()) {
        PrintError(ProblemText(problem, say));
        return 1;
    }
    return 0;
}

int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults, const PluralTranslator& say) {
    const ImportPlan plan = ImportContacts(dataPath, vcardPath, defaults);
    if (plan.problem.Failed()) {
        PrintError(ProblemText(plan.problem, say));
        return 1;
    }
    const std::string summary = ImportSummary(plan, say) + "\n";
    return std::fputs(summary.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

int RunDailyAt(const std::string& time, KeyValueStore& store, const std::string& timerFolder,
               const PluralTranslator& say) {
    const std::optional<int> minutes = ParseTimeOfDay(time);
    if (!minutes) {
        PrintError(NotATimeText(time, say));
        return 1;
    }
    if (timerFolder.empty()) {
        PrintError(DailyTimerFailureText("~/.config/systemd/user", ENOENT, say));
        return 1;
    }
    if (const int error = SetDailyTimer(timerFolder, *minutes)) {
        PrintError(DailyTimerFailureText(timerFolder, error, say));
        return 1;
    }
    // A first run's defaults are stored as the run would store them, only with no run date.
    AppSettings settings;
    LoadSettings(store, settings, "");
    store.Write("dailyat", TimeOfDayText(*minutes));
    return 0;
}
