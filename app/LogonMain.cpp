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
#include <string>

#include "Arguments.h"
#include "QuietLogon.h"
#include "model/DataFile.h"
#include "platform/SettingsFile.h"

namespace {

std::string OwnFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return ".";
    }
    const std::string exe(path, static_cast<std::size_t>(length));
    return exe.substr(0, exe.rfind('/'));
}

// Beside this program in a build tree, in its own folder of libexec when installed. The
// arguments, the environment and the working folder go along unchanged.
[[noreturn]] void HandOver(char** argv) {
    const std::string folder = OwnFolder();
    int error = 0;
    for (const std::string& candidate :
         {folder + "/ovrana-gui", folder + "/" OVRANA_GUI_RELATIVE_DIR "/ovrana-gui"}) {
        ::execv(candidate.c_str(), argv);
        if (error == 0 || errno != ENOENT) {
            error = errno;
        }
    }
    std::fprintf(stderr, "ovrana: cannot start ovrana-gui from %s: %s\n", folder.c_str(),
                 std::strerror(error));
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (const int status = AnswerAndExit(line); status >= 0) {
        return status;
    }
    if (line.command != CommandLine::Command::Logon) {
        HandOver(argv);
    }
    if (line.home) {
        EnterHome();
    }
    const QuietLogonFiles files{[] { return std::time(nullptr); }, SettingsFilePath(),
                                kDataFileName};
    if (RunQuietLogon(files) == QuietLogon::HandOver) {
        HandOver(argv);
    }
    return 0;
}
