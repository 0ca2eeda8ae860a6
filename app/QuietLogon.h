// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <functional>
#include <string>

// Most logon runs show nothing: nothing is due, or the reminder already ran today. Such a run
// only reads the settings and the data file and writes the run date; this does that without
// Qt, and says when the run needs the whole program instead: a window, the locale's wording, or
// anything it does not handle exactly as the whole program would.
enum class QuietLogon {
    Done,      // nothing to show; the settings and the run date are written
    HandOver,  // nothing was written: the whole program must run instead
};

struct QuietLogonFiles {
    std::function<std::time_t()> clock;
    std::string settingsPath;  // empty: unknown here
    std::string dataPath = "ovras.ini";
    bool daily = false;             // the morning timer's run (--daily)
    std::string addressBookFolder;  // the local copies of address books; empty: none
    std::string snoozePath{};       // the records put off until tomorrow; empty: none
};

// The run flow of a start without arguments, as far as it shows nothing. Never loads the
// records into memory: they are checked line by line and the first due one ends the check. The
// address books' local copies are read as the whole program reads them; never the network.
QuietLogon RunQuietLogon(const QuietLogonFiles& files);
