// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <QGuiApplication>
#include <ctime>
#include <filesystem>
#include <optional>

#include "Arguments.h"
#include "ReminderApp.h"
#include "WindowHost.h"
#include "commands/AddressBookCommands.h"
#include "commands/Commands.h"
#include "contacts/AddressBookCopy.h"
#include "contacts/PublishedCalendar.h"
#include "platform/DailyTimer.h"
#include "platform/QtServices.h"
#include "platform/SettingsFile.h"
#include "records/DataFile.h"
#include "text/DisplayText.h"

namespace {

// The published calendar follows what was saved: a run of its own, `--sync`, detached, so that
// the window's run ends without waiting for a server; its outcome is kept with the calendar.
void PublishInBackground() {
    const std::string calendar = PublishedCalendarPath();
    if (calendar.empty() || !std::filesystem::exists(calendar)) {
        return;
    }
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    for (const int fd : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&files, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    char name[] = "ovrana-gui", sync[] = "--sync";
    char* const argv[] = {name, sync, nullptr};
    pid_t child = 0;
    posix_spawn(&child, "/proc/self/exe", &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
}

}  // namespace

// The whole program; `ovrana` hands it every run that shows something.
int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (const int status = AnswerAndExit(line); status >= 0) {
        return status;
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
    KeyValueStore& store = kept ? static_cast<KeyValueStore&>(*kept) : unkept;
    WindowHost host(argc, argv);
    const TextServices& text = host.Text();
    const PluralTranslator say = [&](const char* context, const char* source, int n) {
        return text.Translate(context, source, n);
    };
    const Translator translate = [&](const char* context, const char* source) {
        return say(context, source, -1);
    };
    // A command asked to change the records in the home directory changes none elsewhere.
    const bool command = line.command == CommandLine::Command::Import ||
                         line.command == CommandLine::Command::Export;
    if (line.home && !EnterHome() && (command || line.command == CommandLine::Command::Publish)) {
        Problem home;
        home.kind = Problem::Kind::NoHome;
        home.nothingImported = line.command == CommandLine::Command::Import;
        PrintError(ProblemText(home, say));
        return 1;
    }
    if (command) {
        // New records and the address books' dates take the user's defaults for new records.
        AppSettings settings;
        LoadSettings(store, settings, RunDateText(LocalDate(std::time(nullptr))));
        const ImportDefaults defaults{settings.defaultIcon, settings.defaultDays,
                                      TranslatedAnniversaryName(translate)};
        return line.command == CommandLine::Command::Export
                   ? RunExport(kDataFileName, line.file, TranslatedCalendarTexts(translate), say,
                               AddressBookFolder(), defaults)
                   : RunImport(kDataFileName, line.file, defaults, say);
    }
    if (line.command == CommandLine::Command::DailyAt) {
        return RunDailyAt(line.time, store, DailyTimerFolder(), say);
    }
    if (line.command == CommandLine::Command::AddAddressBook) {
        return RunAddAddressBook(line.url, line.user, line.certificate, say);
    }
    if (line.command == CommandLine::Command::RemoveAddressBook) {
        return RunRemoveAddressBook(line.url, say);
    }
    const bool publish = line.command == CommandLine::Command::Publish ||
                         line.command == CommandLine::Command::Unpublish;
    if (line.command == CommandLine::Command::Sync || publish ||
        (line.command == CommandLine::Command::Daily && HasAddressBooks())) {
        AppSettings settings;
        LoadSettings(store, settings, RunDateText(LocalDate(std::time(nullptr))));
        // The calendar holds what --export writes.
        const PublishSource source =
            MakePublishSource(kDataFileName, AddressBookFolder(), settings, translate);
        if (line.command == CommandLine::Command::Publish) {
            return RunPublish(line.url, line.user, line.certificate, source, say);
        }
        if (line.command == CommandLine::Command::Unpublish) {
            return RunUnpublish(line.url, settings.passwordCommand, say);
        }
        if (line.command == CommandLine::Command::Sync) {
            return RunSync(settings.passwordCommand, say, true, &source);
        }
        // The morning's reminder works from fresh copies when the servers answer, from the last
        // ones when not; only the failures are told.
        if (settings.daily != 0) {
            RunSync(settings.passwordCommand, say, false, &source);
        }
    }
    CReminderApp app({[] { return std::time(nullptr); }, SystemShortDatePattern, store, host,
                      "ovras.ini", &text, kept.has_value(), RuntimeFolder(), AddressBookFolder(),
                      SnoozeFilePath(), DailyTimerFolder(), PublishInBackground});
    app.InitInstance(line.hasArguments, line.command == CommandLine::Command::Daily);
    return host.ExitStatus(line.hasArguments);
}
