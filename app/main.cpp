// SPDX-License-Identifier: MIT
#include <QDir>
#include <QGuiApplication>
#include <cstring>
#include <ctime>

#include "QtServices.h"
#include "ReminderApp.h"
#include "WindowHost.h"

namespace {

// `--home` makes the run work in the user's home directory, wherever it was started from: the
// menu launcher and the logon entry both use it, so both find the same ovras.ini. It is the one
// argument that does not open the Options dialog; any other argument does.
constexpr const char* kHomeOption = "--home";

}  // namespace

int main(int argc, char** argv) {
    bool hasArguments = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kHomeOption) == 0) {
            // Without a HOME, homePath() names the root directory: stay where we are then, as
            // we do when the home directory cannot be entered.
            const QString home = QDir::homePath();
            if (home != QDir::rootPath()) {
                QDir::setCurrent(home);
            }
        } else {
            hasArguments = true;
        }
    }
    // Lets the desktop match the windows to the menu launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ovrana.Ovrana"));

    QSettingsStore store;
    WindowHost host(argc, argv);
    CReminderApp app({[] { return std::time(nullptr); }, SystemShortDatePattern, store, host});
    app.InitInstance(hasArguments);
    return 0;
}
