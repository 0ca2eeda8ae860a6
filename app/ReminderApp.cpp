// SPDX-License-Identifier: MIT
#include "ReminderApp.h"

#include "DatePattern.h"
#include "model/DataFile.h"
#include "model/Dates.h"

void CReminderApp::InitInstance(bool hasArguments) {
    const std::time_t started = services_.clock();
    const std::string todayText = RunDateText(LocalDate(started));
    settings.today = MakeToday(started);
    settings.dateFormat = MakeDatePattern(services_.shortDatePattern());
    LoadSettings(services_.store, settings, todayText);

    bool openOptions = LoadRecords(services_.dataPath, records) != LoadStatus::Loaded;
    UpdateAllRecords(records, settings.today);

    bool changed = false;
    if (hasArguments) {
        openOptions = true;
    } else if (!(settings.onceADay && settings.lastRun == todayText)) {
        const ReminderOutcome outcome = services_.dialogs.RunReminder(records, settings);
        if (outcome.optionsRequested == 1) {
            openOptions = true;
        }
        changed = outcome.changed;
    }
    if (openOptions && services_.dialogs.RunOptions(records, settings)) {
        changed = true;
    }

    if (changed) {
        SaveRecords(services_.dataPath, records);
    }
    SaveSettings(services_.store, settings, RunDateText(LocalDate(services_.clock())));
    FreeRecords(records);
}
