// SPDX-License-Identifier: MIT
#include "WindowHost.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "reminder/DueRecords.h"

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

ReminderOutcome WindowHost::RunReminder(RecordList& records, AppSettings& settings) {
    const std::vector<ReminderRow> rows = SelectDueRows(records, settings.dateFormat, text_);
    for (const ReminderRow& row : rows) {
        std::fwrite(row.text.data(), 1, row.text.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    return {};
}

bool WindowHost::RunOptions(RecordList&, AppSettings&) {
    std::fputs("ovrana: the Options dialog cannot be shown without a display\n", stderr);
    return false;
}
