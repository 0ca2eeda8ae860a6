// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <ctime>
#include <optional>

#include "Arguments.h"
#include "Commands.h"
#include "ReminderApp.h"
#include "WindowHost.h"
#include "model/DataFile.h"
#include "platform/QtServices.h"
#include "platform/SettingsFile.h"

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

    // Without a home the run works with the defaults and keeps nothing.
    const std::string settingsPath = SettingsFilePath();
    MapStore unkept;
    std::optional<QSettingsStore> kept;
    if (!settingsPath.empty()) {
        kept.emplace(QString::fromStdString(settingsPath));
    }
    WindowHost host(argc, argv);
    CReminderApp app({[] { return std::time(nullptr); }, SystemShortDatePattern,
                      kept ? static_cast<KeyValueStore&>(*kept) : unkept, host, "ovras.ini",
                      &host.Text(), kept.has_value()});
    app.InitInstance(line.hasArguments);
    return host.ExitStatus(line.hasArguments);
}
