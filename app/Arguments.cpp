// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "text/DisplayText.h"

void PrintError(const std::string& text) {
    const std::string line = "ovrana: " + ReplaceControls(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    using Command = CommandLine::Command;
    CommandLine line;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view argument = argv[i];
        const bool fileCommand = argument == "--import" || argument == "--export";
        if (argument == "--home") {
            line.home = true;
        } else if (fileCommand &&
                   (line.command == Command::Import || line.command == Command::Export)) {
            line.error = "one --import or --export at a time";
        } else if (argument == "--daily" &&
                   (line.command == Command::Logon || line.command == Command::Daily)) {
            line.command = Command::Daily;
        } else if (line.command != Command::Logon && line.command != Command::Options &&
                   line.command != Command::Daily) {
            continue;  // the first command stands
        } else if (fileCommand) {
            line.command = argument == "--import" ? Command::Import : Command::Export;
            line.file = i + 1 < argc ? argv[++i] : "";
            if (line.file.empty()) {
                line.error = std::string(argument) + " needs a file name";
            } else if (line.file != "-") {
                // Named from where the user stands, before --home moves the run.
                std::error_code failed;
                const std::filesystem::path absolute = std::filesystem::absolute(line.file, failed);
                if (failed) {
                    line.fileError = failed.value();
                } else {
                    line.file = absolute.lexically_normal().string();
                }
            }
        } else {
            line.command = argument == "--help" || argument == "-h" ? Command::Help
                           : argument == "--version"                ? Command::Version
                                                                    : Command::Options;
        }
    }
    line.hasArguments = line.command == Command::Options;
    return line;
}

std::string UsageText() {
    return "Usage: ovrana [--home] [--daily | --options | --import FILE | --export FILE | --help | "
           "--version]\n"
           "Reminds you of birthdays and other yearly dates kept in ovras.ini.\n"
           "\n"
           "  (none)          show what is due, or nothing at all\n"
           "  --home          use the ovras.ini in your home directory, not the working "
           "directory\n"
           "  --daily         remind as at logon, unless a run already happened today\n"
           "  --import FILE   add the birthdays and anniversaries of a vCard file (- for\n"
           "                  standard input)\n"
           "  --export FILE   write the dates as an iCalendar file (- for standard output)\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "Any other argument opens the Options dialog, where records are added, edited and\n"
           "deleted. See ovrana(1).\n";
}

std::string VersionText() {
    return "ovrana " OVRANA_VERSION "\n";
}

int AnswerAndExit(const CommandLine& line) {
    if (!line.error.empty()) {
        std::fprintf(stderr, "ovrana: %s\nTry 'ovrana --help' for more information.\n",
                     line.error.c_str());
        return 2;
    }
    if (line.fileError != 0) {
        PrintError(line.file + ": cannot find the working folder: " +
                   std::generic_category().message(line.fileError));
        return 1;
    }
    if (line.command != CommandLine::Command::Help &&
        line.command != CommandLine::Command::Version) {
        return -1;
    }
    const std::string text =
        line.command == CommandLine::Command::Help ? UsageText() : VersionText();
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

bool EnterHome() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return false;
    }
    std::string path = std::filesystem::path(home).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path != "/" && ::chdir(path.c_str()) == 0;
}
