// SPDX-License-Identifier: MIT
// `ovrana`, as the user and the logon start it. A logon run that shows nothing is done here, in
// plain C++: loading Qt's libraries alone would take several times as long as the whole run.
// Every other run goes to ovrana-gui, the program with Qt, which starts it afresh.
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "Arguments.h"
#include "QuietLogon.h"
#include "contacts/AddressBookCopy.h"
#include "contacts/PublishedCalendar.h"
#include "platform/SettingsFile.h"
#include "records/DataFile.h"

namespace {

// The folder of this program, never the working folder, which is the data folder: a program
// planted there must not run. Without /proc, from argv[0] as execvp found it. Empty when unknown.
std::string OwnFolder(const char* argv0) {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe;
    if (length > 0) {
        exe.assign(path, static_cast<std::size_t>(length));
    } else if (argv0 != nullptr && *argv0 != '\0') {
        const std::string start = ::getcwd(path, sizeof path) != nullptr ? path : "";
        const auto absolute = [&](const std::string& name) {
            return name.front() == '/' || start.empty() ? name : start + "/" + name;
        };
        if (std::strchr(argv0, '/') != nullptr) {
            exe = absolute(argv0);
        } else {
            const char* search = std::getenv("PATH");
            std::string folders = search != nullptr ? search : "/bin:/usr/bin";
            for (std::size_t from = 0; from <= folders.size();) {
                std::size_t colon = folders.find(':', from);
                colon = colon == std::string::npos ? folders.size() : colon;
                const std::string folder = folders.substr(from, colon - from);
                const std::string candidate =
                    absolute((folder.empty() ? "." : folder) + "/" + argv0);
                if (::access(candidate.c_str(), X_OK) == 0) {
                    exe = candidate;
                    break;
                }
                from = colon + 1;
            }
        }
    }
    const std::size_t slash = exe.rfind('/');
    return slash == std::string::npos || exe.front() != '/' ? "" : exe.substr(0, slash);
}

// Beside this program in a build tree, in its own folder of libexec when installed. The
// arguments, the environment and the working folder go along unchanged.
[[noreturn]] void HandOver(const std::string& folder, char** argv) {
    int error = ENOENT;
    if (!folder.empty()) {
        for (const std::string& candidate :
             {folder + "/ovrana-gui", folder + "/" OVRANA_GUI_RELATIVE_DIR "/ovrana-gui"}) {
            ::execv(candidate.c_str(), argv);
            if (error == ENOENT) {
                error = errno;
            }
        }
    }
    std::fprintf(stderr, "ovrana: cannot start ovrana-gui from %s: %s\n",
                 folder.empty() ? "the folder of ovrana, which cannot be found" : folder.c_str(),
                 std::strerror(error));
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (const int status = AnswerAndExit(line); status >= 0) {
        return status;
    }
    // Before --home changes the working folder that a relative argv[0] is read against.
    const std::string folder = OwnFolder(argv[0]);
    const bool daily = line.command == CommandLine::Command::Daily;
    // The morning's run syncs the address books and the published calendar first, which takes
    // Qt's network.
    const std::string calendar = PublishedCalendarPath();
    if ((line.command != CommandLine::Command::Logon && !daily) ||
        (daily && (!CopyFiles(AddressBookFolder()).empty() ||
                   (!calendar.empty() && std::filesystem::exists(calendar))))) {
        HandOver(folder, argv);
    }
    if (line.home) {
        EnterHome();  // else the working folder's file
    }
    const QuietLogonFiles files{[] { return std::time(nullptr); },
                                SettingsFilePath(),
                                kDataFileName,
                                daily,
                                AddressBookFolder(),
                                SnoozeFilePath()};
    if (RunQuietLogon(files) == QuietLogon::HandOver) {
        HandOver(folder, argv);
    }
    return 0;
}
