// SPDX-License-Identifier: MIT
#include <ctime>

#include "QtServices.h"
#include "ReminderApp.h"
#include "WindowHost.h"

int main(int argc, char** argv) {
    QSettingsStore store;
    WindowHost host(argc, argv);
    CReminderApp app({[] { return std::time(nullptr); }, SystemShortDatePattern, store, host});
    app.InitInstance(argc > 1);
    return 0;
}
