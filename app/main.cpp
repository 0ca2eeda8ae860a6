// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <ctime>

#include "Arguments.h"
#include "Commands.h"
#include "ReminderApp.h"
#include "WindowHost.h"
#include "model/DataFile.h"
#include "platform/QtServices.h"

// The whole program; `ovrana` hands it every run that shows something.
int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (const int status = AnswerAndExit(line); status >= 0) {
        return status;
    }
    if (line.home) {
        EnterHome();
    }
    if (line.command == CommandLine::Command::Export) {
        return RunExport(kDataFileName, line.file, {});
    }
    // Lets the desktop match the windows to the menu launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ovrana.Ovrana"));

    QSettingsStore store;
    WindowHost host(argc, argv);
    CReminderApp app({[] { return std::time(nullptr); }, SystemShortDatePattern, store, host,
                      "ovras.ini", &host.Text()});
    app.InitInstance(line.hasArguments);
    return host.ExitStatus(line.hasArguments);
}
