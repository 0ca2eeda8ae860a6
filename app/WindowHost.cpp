// SPDX-License-Identifier: MIT
#include "WindowHost.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#ifdef OVRANA_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include "controls/IconSet.h"
#include "manage/OptionsDlg.h"
#include "model/DisplayText.h"
#include "reminder/DueRecords.h"
#include "reminder/ReminderDlg.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

void PrintError(const std::string& text) {
    std::fputs("ovrana: ", stderr);
    const std::string safe = ReplaceControls(text);
    std::fwrite(safe.data(), 1, safe.size(), stderr);
    std::fputc('\n', stderr);
}

bool DisplayReachable() {
#ifdef Q_OS_UNIX
    if (IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    if (!IsSet("DISPLAY")) {
        return false;
    }
#ifdef OVRANA_HAVE_XCB
    // Qt ends the process when the display named cannot be reached (a stale DISPLAY over ssh,
    // say); the reminder then goes to standard output like anywhere else without a display.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
#endif
#endif
    return true;
}

}  // namespace

WindowHost::WindowHost(int& argc, char** argv) : argc_(argc), argv_(argv) {}

WindowHost::~WindowHost() = default;

bool WindowHost::CanShowWindows() {
    if (!canShowWindows_) {
        canShowWindows_ = DisplayReachable();
    }
    return *canShowWindows_;
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
    if (std::none_of(records.begin(), records.end(), [](const auto& r) { return IsDue(*r); })) {
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
    for (const ReminderRow& row : SelectDueRows(records, settings.dateFormat, text_)) {
        const std::string safe = ReplaceControls(row.text);
        std::fwrite(safe.data(), 1, safe.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    return {};
}

bool WindowHost::RunOptions(RecordList& records, AppSettings& settings, const std::string& notice) {
    if (!CanShowWindows()) {
        PrintError("the Options dialog cannot be shown without a display");
        if (!notice.empty()) {
            PrintError(notice);
        }
        return false;
    }
    Application();
    COptionsDlg dialog;
    dialog.records = &records;
    dialog.settings = &settings;
    dialog.notice = QString::fromStdString(notice);
    dialog.exec();
    return dialog.changed;
}

void WindowHost::ShowMessage(const std::string& text) {
    if (!CanShowWindows()) {
        PrintError(text);
        return;
    }
    Application();
    QMessageBox::warning(nullptr, QApplication::applicationName(), QString::fromStdString(text));
}
