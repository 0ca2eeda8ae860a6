// SPDX-License-Identifier: MIT
#include "Settings.h"

#include <algorithm>
#include <cstdio>

#include "text/Numbers.h"

namespace {

// No option's value comes near 79 bytes: a longer one is damage or a stray hand edit, and counts
// as missing.
constexpr std::size_t kMaxValueBytes = 80;
// A command names its program and a file or an entry, with a full path or two.
constexpr std::size_t kMaxCommandBytes = 4096;

std::optional<std::string> ReadValue(const KeyValueStore& store, const char* name,
                                     std::size_t maxBytes = kMaxValueBytes) {
    std::optional<std::string> value = store.Read(name);
    if (value && value->size() + 1 > maxBytes) {
        return std::nullopt;
    }
    if (value) {
        value->resize(std::min(value->size(), value->find('\0')));  // text ends at a NUL
    }
    return value;
}

std::string UnpaddedRunDateText(std::int64_t year, int month, int day) {
    return std::to_string(year) + std::to_string(month) + std::to_string(day);
}

}  // namespace

std::string RunDateText(const CivilDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04lld%02d%02d", static_cast<long long>(date.year),
                  date.month, date.day);
    return text;
}

bool IsRunDateOf(const std::string& lastRun, const CivilDate& date) {
    if (lastRun == RunDateText(date)) {
        return true;
    }
    if (lastRun != UnpaddedRunDateText(date.year, date.month, date.day)) {
        return false;
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            if ((month != date.month || day != date.day) &&
                UnpaddedRunDateText(date.year, month, day) == lastRun) {
                return false;
            }
        }
    }
    return true;
}

std::optional<DayNumber> RunDay(const std::string& lastRun) {
    if (lastRun.size() != 8 ||
        !std::all_of(lastRun.begin(), lastRun.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int year = ParseInt(lastRun.substr(0, 4));
    const int month = ParseInt(lastRun.substr(4, 2));
    const int day = ParseInt(lastRun.substr(6, 2));
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) {
        return std::nullopt;
    }
    return MakeDay(year, month, day);
}

std::optional<int> ParseTimeOfDay(std::string_view text) {
    // One or two digits of hours, a colon, two of minutes.
    const std::size_t colon = text.find(':');
    if (colon == 0 || colon > 2 || text.size() != colon + 3) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && (text[i] < '0' || text[i] > '9')) {
            return std::nullopt;
        }
    }
    const int hours = ParseInt(text.substr(0, colon));
    const int minutes = ParseInt(text.substr(colon + 1));
    if (hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return hours * 60 + minutes;
}

std::string TimeOfDayText(int minutes) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

void LoadSettings(KeyValueStore& store, AppSettings& settings, const std::string& runDate) {
    if (store.IsEmpty()) {
        settings.onceADay = 0;
        settings.alwaysOnTop = 0;
        settings.defaultDays = 14;
        settings.defaultIcon = 1;
        settings.notify = 0;
        settings.daily = 1;
        settings.missed = 0;
        settings.dailyAt = 9 * 60;
        SaveSettings(store, settings, runDate);
        return;
    }
    if (auto value = ReadValue(store, "aot")) {
        settings.alwaysOnTop = ParseInt(*value) != 0;
    }
    if (auto value = ReadValue(store, "onceaday")) {
        settings.onceADay = ParseInt(*value) != 0;
    }
    if (auto value = ReadValue(store, "days")) {
        settings.defaultDays = ParseInt(*value);
    }
    if (auto value = ReadValue(store, "icon")) {
        settings.defaultIcon = ParseInt(*value);
    }
    if (auto value = ReadValue(store, "notify")) {
        settings.notify = ParseInt(*value) != 0;
    }
    if (auto value = ReadValue(store, "daily")) {
        settings.daily = ParseInt(*value) != 0;
    }
    if (auto value = ReadValue(store, "missed")) {
        settings.missed = ParseInt(*value) != 0;
    }
    if (auto value = ReadValue(store, "dailyat")) {
        settings.dailyAt = ParseTimeOfDay(*value).value_or(settings.dailyAt);
    }
    if (auto value = ReadValue(store, "lastrun")) {
        settings.lastRun = *value;
    }
    if (auto value = ReadValue(store, "passwordcommand", kMaxCommandBytes)) {
        settings.passwordCommand = *value;
    }
}

void SaveSettings(KeyValueStore& store, const AppSettings& settings, const std::string& runDate) {
    store.Write("aot", std::to_string(settings.alwaysOnTop ? 1 : 0));
    store.Write("onceaday", std::to_string(settings.onceADay ? 1 : 0));
    store.Write("days", std::to_string(settings.defaultDays));
    store.Write("icon", std::to_string(settings.defaultIcon));
    store.Write("notify", std::to_string(settings.notify ? 1 : 0));
    store.Write("daily", std::to_string(settings.daily ? 1 : 0));
    store.Write("missed", std::to_string(settings.missed ? 1 : 0));
    store.Write("dailyat", TimeOfDayText(settings.dailyAt));
    store.Write("lastrun", runDate);
    // Written only when set: the logon run without Qt reads only files of the usual names.
    if (!settings.passwordCommand.empty()) {
        store.Write("passwordcommand", settings.passwordCommand);
    }
}
