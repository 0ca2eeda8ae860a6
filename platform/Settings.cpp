// SPDX-License-Identifier: MIT
#include "Settings.h"

#include <algorithm>

#include "model/Numbers.h"

namespace {

// Values are read into an 80-byte buffer that also holds the terminating NUL.
constexpr std::size_t kMaxValueBytes = 80;

std::optional<std::string> ReadValue(const KeyValueStore& store, const char* name) {
    std::optional<std::string> value = store.Read(name);
    if (value && value->size() + 1 > kMaxValueBytes) {
        return std::nullopt;
    }
    if (value) {
        value->resize(std::min(value->size(), value->find('\0')));  // text ends at a NUL
    }
    return value;
}

}  // namespace

std::string RunDateText(const CivilDate& date) {
    return std::to_string(date.year) + std::to_string(date.month) + std::to_string(date.day);
}

void LoadSettings(KeyValueStore& store, AppSettings& settings, const std::string& runDate) {
    if (store.IsEmpty()) {
        settings.onceADay = 0;
        settings.alwaysOnTop = 0;
        settings.defaultDays = 14;
        settings.defaultIcon = 1;
        settings.notify = 0;
        settings.daily = 1;
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
    if (auto value = ReadValue(store, "lastrun")) {
        settings.lastRun = *value;
    }
}

void SaveSettings(KeyValueStore& store, const AppSettings& settings, const std::string& runDate) {
    store.Write("aot", std::to_string(settings.alwaysOnTop ? 1 : 0));
    store.Write("onceaday", std::to_string(settings.onceADay ? 1 : 0));
    store.Write("days", std::to_string(settings.defaultDays));
    store.Write("icon", std::to_string(settings.defaultIcon));
    store.Write("notify", std::to_string(settings.notify ? 1 : 0));
    store.Write("daily", std::to_string(settings.daily ? 1 : 0));
    store.Write("lastrun", runDate);
}
