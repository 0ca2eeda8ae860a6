// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The daily run's time is the systemd user timer's: a drop-in beside the installed unit moves it,
// so the unit itself stays as the package installed it.

// The user's drop-in folder of the timer, ovrana-daily.timer.d in systemd/user of ConfigFolder;
// empty without a home.
std::string DailyTimerFolder();

// The drop-in that moves the timer to `minutes` after midnight each day.
std::string DailyTimerDropIn(int minutes);

// Writes the drop-in as time.conf into `folder`, which is made when missing, whole or not at all.
// Then, when `folder` is the one the user's systemd reads and a user manager runs, asks it to
// reload its units; without one, or when it does not answer soon, the timer takes the time at its
// next start. Returns 0 or the errno of the failure to write.
int SetDailyTimer(const std::string& folder, int minutes);
