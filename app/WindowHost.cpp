// SPDX-License-Identifier: MIT
#include "WindowHost.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "controls/IconSet.h"
#include "manage/OptionsDlg.h"
#include "reminder/DueRecords.h"
#include "reminder/ReminderDlg.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

WindowHost::WindowHost(int& argc, char** argv) : argc_(argc), argv_(argv) {}

WindowHost::~WindowHost() = default;

bool WindowHost::CanShowWindows() {
#ifdef Q_OS_UNIX
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

QApplication& WindowHost::Application() {
    if (!application_) {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setWindowIcon(AppIcon());
    }
    return *application_;
}

ReminderOutcome WindowHost::RunReminder(RecordList& records, AppSettings& settings) {
    // Decided before any window exists: a logon run with nothing due never touches the display.
    const std::vector<ReminderRow> rows = SelectDueRows(records, settings.dateFormat, text_);
    if (rows.empty()) {
        return {};
    }
    if (CanShowWindows()) {
        Application();
        CReminderDlg dialog(nullptr, &text_);
        dialog.records = &records;
        dialog.settings = &settings;
        dialog.optionsRequested = -1;
        dialog.exec();
        return {dialog.optionsRequested, dialog.changed};
    }
    for (const ReminderRow& row : rows) {
        std::fwrite(row.text.data(), 1, row.text.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    return {};
}

bool WindowHost::RunOptions(RecordList& records, AppSettings& settings) {
    if (!CanShowWindows()) {
        std::fputs("ovrana: the Options dialog cannot be shown without a display\n", stderr);
        return false;
    }
    Application();
    COptionsDlg dialog;
    dialog.records = &records;
    dialog.settings = &settings;
    dialog.exec();
    return dialog.changed;
}
