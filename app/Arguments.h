// SPDX-License-Identifier: MIT
#pragma once

// The command line. `--home` makes the run work in the user's home directory, wherever it was
// started from: the menu launcher and the logon entry both use it, so both find the same
// ovras.ini. It is the one argument that does not open the Options dialog; any other does.
struct CommandLine {
    bool home = false;
    bool hasArguments = false;
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// Enters $HOME. Stays where it is when HOME is unset or names the root directory, and when the
// home directory cannot be entered.
void EnterHome();
