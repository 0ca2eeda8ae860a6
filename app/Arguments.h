// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The command line. `--home` makes the run work in the user's home directory, wherever it was
// started from: the menu launcher and the logon entry both use it, so both find the same
// ovras.ini. `--daily` is the morning timer's run: a logon run that shows nothing when a run
// already happened today. `--help` and `--version` answer and end, `--import FILE` and
// `--export FILE` work without a window, one of them at a time ("-": standard input or output);
// `--add-address-book URL --user NAME [--accept-certificate SHA256]`,
// `--remove-address-book URL` and `--sync` work on address books on a server, without a window;
// `--publish URL --user NAME [--accept-certificate SHA256]` and `--unpublish URL` on the calendar
// the dates are published to;
// `--daily-at HH:MM` sets the daily run's time.
// Any other argument opens the Options dialog.
struct CommandLine {
    enum class Command {
        Logon,
        Daily,
        Options,
        Help,
        Version,
        Import,
        Export,
        AddAddressBook,
        RemoveAddressBook,
        Sync,
        Publish,
        Unpublish,
        DailyAt
    };
    bool home = false;
    Command command = Command::Logon;
    std::string file;           // of --import and --export
    std::string url;            // of the address-book and calendar commands
    std::string user;           // of --add-address-book and --publish
    std::string certificate;    // trusted by them: SHA-256, 64 lower-case hex digits
    std::string time;           // of --daily-at, as given
    std::string error;          // a command given without what it needs, or given twice
    int fileError = 0;          // errno when `file` could not be made absolute (no working folder)
    bool hasArguments = false;  // the Options dialog opens at once
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// What --help and --version print.
std::string UsageText();
std::string VersionText();

// Answers --help and --version on standard output, and a command line error (status 2) or a file
// that cannot be found (status 1) on standard error; returns the exit status, or -1 for any other
// command.
int AnswerAndExit(const CommandLine& line);

// Enters $HOME. Stays where it is when HOME is unset or names the root directory, and when the
// home directory cannot be entered; then returns false.
bool EnterHome();
