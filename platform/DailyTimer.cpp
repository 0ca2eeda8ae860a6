// SPDX-License-Identifier: MIT
#include "DailyTimer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "Settings.h"
#include "SettingsFile.h"
#include "storage/FileReplace.h"

extern char** environ;

namespace {

// A reload takes well under a second; a manager that does not answer must not hold the run.
constexpr int kReloadWaitMilliseconds = 5000;

// Without its socket there is no user manager to ask (a container, a session without systemd),
// and systemctl would only complain.
bool UserManagerRuns() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    return runtime != nullptr && runtime[0] == '/' &&
           ::stat((std::string(runtime) + "/systemd/private").c_str(), &info) == 0 &&
           S_ISSOCK(info.st_mode);
}

void ReloadUserManager() {
    if (!UserManagerRuns()) {
        return;
    }
    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    for (const int fd : {0, 1, 2}) {
        ::posix_spawn_file_actions_addopen(&quiet, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                           0);
    }
    // A group of its own, so that one that does not answer goes with whatever it started.
    posix_spawnattr_t group;
    ::posix_spawnattr_init(&group);
    ::posix_spawnattr_setflags(&group, POSIX_SPAWN_SETPGROUP);
    char systemctl[] = "systemctl", user[] = "--user", reload[] = "daemon-reload";
    char* argv[] = {systemctl, user, reload, nullptr};
    pid_t child = 0;
    const int failed = ::posix_spawnp(&child, systemctl, &quiet, &group, argv, environ);
    ::posix_spawnattr_destroy(&group);
    ::posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        return;  // no systemctl: no systemd to tell either
    }
    for (int waited = 0;; waited += 10) {
        const pid_t done = ::waitpid(child, nullptr, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR)) {
            return;
        }
        if (waited >= kReloadWaitMilliseconds) {
            ::kill(-child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            return;
        }
        const timespec pause{0, 10'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

}  // namespace

std::string DailyTimerFolder() {
    const std::string config = ConfigFolder();
    return config.empty() ? "" : config + "/systemd/user/ovrana-daily.timer.d";
}

std::string DailyTimerDropIn(int minutes) {
    // The empty OnCalendar= drops the unit's own time, which would otherwise remain beside it.
    return "# The time of Ovrana's daily reminder, as set in its Options or with --daily-at.\n"
           "[Timer]\n"
           "OnCalendar=\n"
           "OnCalendar=*-*-* " +
           TimeOfDayText(minutes) + ":00\n";
}

int SetDailyTimer(const std::string& folder, int minutes) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return error.value();
    }
    if (const int failed = ReplaceFile(folder + "/time.conf", DailyTimerDropIn(minutes))) {
        return failed;
    }
    if (folder == DailyTimerFolder()) {
        ReloadUserManager();
    }
    return 0;
}
