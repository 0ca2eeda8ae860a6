// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "KeyValueStore.h"
#include "records/Dates.h"

struct AppSettings {
    std::uint8_t alwaysOnTop = 0;
    std::uint8_t onceADay = 0;
    std::uint8_t notify = 0;  // remind with a desktop notification, not a window
    std::uint8_t daily = 1;   // the daily run reminds too, not only the logon
    int defaultDays = 0;
    int defaultIcon = 0;  // -1: no icon selected
    std::string lastRun;  // RunDateText of the last run's day
    // Rebuilt at every start, never stored.
    std::string dateFormat;
    DayNumber today = 0;
    // Run through /bin/sh -c when the keyring has no password for an address book: the first
    // line of its output is the password. Set in the settings file by hand; empty: none.
    std::string passwordCommand{};  // `{}`: a list of values that ends at `today` covers it too
    std::uint8_t missed{};          // also the dates that fell between the last run and today
    int dailyAt{9 * 60};            // the daily run's time of day, in minutes after midnight
    // The records put off until tomorrow (SnoozeKey); program state, not an option.
    std::set<std::uint64_t> snoozed{};
};

// The run date text: YYYYMMDD (20261206), decimal text that names one day only.
std::string RunDateText(const CivilDate& date);

// Whether `lastRun` names `date`. Older versions wrote the date without leading zeros, where 27
// January and 7 December both read 2026127; such a text names `date` only when no other day of
// its year reads the same, as a reminder too many is better than a day silenced.
bool IsRunDateOf(const std::string& lastRun, const CivilDate& date);

// The day a run date text names; nothing for the old unpadded form, which may name two days.
std::optional<DayNumber> RunDay(const std::string& lastRun);

// A time of day as H:MM or HH:MM (7:05, 07:05, 23:59), in minutes after midnight; nothing for
// anything else, blanks and signs included.
std::optional<int> ParseTimeOfDay(std::string_view text);

// HH:MM, as the settings file keeps the daily run's time.
std::string TimeOfDayText(int minutes);

// Fills the options and lastRun from the store. When nothing is stored the defaults
// (0, 0, 14, 1, notify 0, daily 1 at 09:00, missed 0) are used and written back at once with
// `runDate`; otherwise a missing, over-long or non-numeric value, or a time that is none, leaves
// its field as it is.
void LoadSettings(KeyValueStore& store, AppSettings& settings, const std::string& runDate);

// Writes the eight options, the password command when there is one, and `runDate` as lastrun;
// `settings.lastRun` is not changed.
void SaveSettings(KeyValueStore& store, const AppSettings& settings, const std::string& runDate);
