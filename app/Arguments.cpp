// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "text/DisplayText.h"

namespace {

// The 32 bytes of a SHA-256 in hexadecimal, in either case, with a colon between every two digits
// (as certificate viewers show them) or none: 64 lower-case digits; empty for anything else.
std::string Fingerprint(std::string_view text) {
    const bool colons = text.size() == 95;
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool separator = colons && i % 3 == 2;
        if (separator ? c != ':' : !std::isxdigit(c)) {
            return {};
        }
        if (!separator) {
            digits += static_cast<char>(std::tolower(c));
        }
    }
    return digits.size() == 64 ? digits : std::string();
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    using Command = CommandLine::Command;
    CommandLine line;
    std::string_view given;  // the command that works without a window, as it was written
    bool user = false, certificate = false;
    const auto value = [&](int& i) { return i + 1 < argc ? std::string(argv[++i]) : ""; };
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view argument = argv[i];
        const bool fileCommand = argument == "--import" || argument == "--export";
        const bool bookCommand = argument == "--add-address-book" ||
                                 argument == "--remove-address-book" || argument == "--sync" ||
                                 argument == "--publish" || argument == "--unpublish";
        const bool timeCommand = argument == "--daily-at";
        if (argument == "--home") {
            line.home = true;
        } else if (argument == "--user" || argument == "--accept-certificate") {
            // Either may come before the command; whether it has one is seen at the end.
            bool& seen = argument == "--user" ? user : certificate;
            if (seen) {
                line.error = std::string(argument) + " given twice";
            }
            seen = true;
            if (argument == "--user") {
                line.user = value(i);
            } else {
                line.certificate = Fingerprint(value(i));
            }
            if (line.error.empty() &&
                (argument == "--user" ? line.user : line.certificate).empty()) {
                line.error = argument == "--user" ? "--user needs a name"
                                                  : "--accept-certificate needs the SHA-256 "
                                                    "fingerprint, 64 hexadecimal digits";
            }
        } else if (fileCommand &&
                   (line.command == Command::Import || line.command == Command::Export)) {
            line.error = "one --import or --export at a time";
        } else if ((fileCommand || bookCommand || timeCommand) && !given.empty()) {
            line.error = argument == given ? std::string(argument) + " given twice"
                                           : std::string(argument) + " cannot be given with " +
                                                 std::string(given);
        } else if (argument == "--daily" &&
                   (line.command == Command::Logon || line.command == Command::Daily)) {
            line.command = Command::Daily;
        } else if (line.command != Command::Logon && line.command != Command::Options &&
                   line.command != Command::Daily) {
            continue;  // the first command stands
        } else if (fileCommand) {
            given = argument;
            line.command = argument == "--import" ? Command::Import : Command::Export;
            line.file = value(i);
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
        } else if (bookCommand) {
            given = argument;
            line.command = argument == "--sync"               ? Command::Sync
                           : argument == "--add-address-book" ? Command::AddAddressBook
                           : argument == "--publish"          ? Command::Publish
                           : argument == "--unpublish"        ? Command::Unpublish
                                                              : Command::RemoveAddressBook;
            if (line.command != Command::Sync && (line.url = value(i)).empty()) {
                line.error = std::string(argument) + " needs a URL";
            }
        } else if (timeCommand) {
            // An empty time is given, and refused as no time at all.
            given = argument;
            line.command = Command::DailyAt;
            if (i + 1 == argc) {
                line.error = "--daily-at needs a time, HH:MM";
            }
            line.time = value(i);
        } else {
            line.command = argument == "--help" || argument == "-h" ? Command::Help
                           : argument == "--version"                ? Command::Version
                                                                    : Command::Options;
        }
    }
    const bool answers = line.command == Command::Help || line.command == Command::Version;
    if (line.error.empty() && !answers) {
        const bool login =
            line.command == Command::AddAddressBook || line.command == Command::Publish;
        if (login && !user) {
            line.error = std::string(given) + " needs --user NAME";
        } else if (!login && (user || certificate)) {
            line.error = std::string(user ? "--user" : "--accept-certificate") +
                         " goes with --add-address-book or --publish only";
        }
    }
    line.hasArguments = line.command == Command::Options;
    return line;
}

std::string UsageText() {
    return "Usage: ovrana [--home] [--daily | --options | --import FILE | --export FILE | --help | "
           "--version]\n"
           "       ovrana --add-address-book URL --user NAME [--accept-certificate SHA256]\n"
           "       ovrana --remove-address-book URL\n"
           "       ovrana --publish URL --user NAME [--accept-certificate SHA256]\n"
           "       ovrana --unpublish URL\n"
           "       ovrana --sync\n"
           "       ovrana --daily-at HH:MM\n"
           "Reminds you of birthdays and other yearly dates kept in ovras.ini.\n"
           "\n"
           "  (none)          show what is due, or nothing at all\n"
           "  --home          use the ovras.ini in your home directory, not the working "
           "directory\n"
           "  --daily         remind as at logon, unless a run already happened today\n"
           "  --import FILE   add the birthdays and anniversaries of a vCard file (- for\n"
           "                  standard input)\n"
           "  --export FILE   write the dates as an iCalendar file (- for standard output)\n"
           "  --add-address-book URL --user NAME\n"
           "                  remind the dates of the address books on a CardDAV server at URL\n"
           "                  (the password on the first line of standard input)\n"
           "  --accept-certificate SHA256\n"
           "                  trust the server's certificate with this fingerprint\n"
           "  --remove-address-book URL\n"
           "                  remove an address book, its local copy and its password\n"
           "  --publish URL --user NAME\n"
           "                  keep the dates in a calendar on a CalDAV server at URL (the\n"
           "                  password from the keyring, else from standard input)\n"
           "  --unpublish URL delete the published dates from that calendar and forget it\n"
           "  --sync          bring every address book's local copy and the published\n"
           "                  calendar up to date\n"
           "  --daily-at HH:MM\n"
           "                  remind each morning at this time (09:00 until set)\n"
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
