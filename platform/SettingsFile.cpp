// SPDX-License-Identifier: MIT
#include "SettingsFile.h"

#include <algorithm>
#include <cstdlib>

#include "text/Lines.h"

namespace {

bool IsKnownName(std::string_view name) {
    return name == "aot" || name == "onceaday" || name == "days" || name == "icon" ||
           name == "lastrun" || name == "notify" || name == "daily" || name == "dailyat" ||
           name == "missed";
}

// Qt reads quotes, escapes, commas, blanks and @-prefixed values in ways of its own.
bool IsPlainValue(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '-' || c == '+' || c == ':';
    });
}

std::string AbsoluteFolder(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? value : "";
}

}  // namespace

std::string ConfigFolder() {
    // The XDG rule: a relative XDG_CONFIG_HOME is ignored. Without an absolute HOME there is no
    // place for the settings at all, rather than one under the working or the root folder.
    const std::string xdg = AbsoluteFolder("XDG_CONFIG_HOME");
    if (!xdg.empty()) {
        return xdg;
    }
    const std::string home = AbsoluteFolder("HOME");
    return home.empty() ? "" : home + "/.config";
}

std::string SettingsFilePath() {
    const std::string config = ConfigFolder();
    return config.empty() ? "" : config + "/Keldan/ovra.conf";
}

std::string RuntimeFolder() {
    const std::string runtime = AbsoluteFolder("XDG_RUNTIME_DIR");
    if (!runtime.empty()) {
        return runtime;
    }
    const std::string settings = SettingsFilePath();
    return settings.empty() ? "" : settings.substr(0, settings.rfind('/'));
}

std::string SnoozeFilePath() {
    const std::string state = AbsoluteFolder("XDG_STATE_HOME");
    if (!state.empty()) {
        return state + "/ovrana/snoozed";
    }
    const std::string home = AbsoluteFolder("HOME");
    return home.empty() ? "" : home + "/.local/state/ovrana/snoozed";
}

std::optional<std::map<std::string, std::string>> ParseSettingsText(std::string_view text) {
    std::map<std::string, std::string> values;
    bool sectionSeen = false;
    const bool plain = ForEachLine(text, [&](std::string_view line) {
        if (line.empty()) {
            return true;
        }
        if (line == "[General]" && !sectionSeen && values.empty()) {
            sectionSeen = true;
            return true;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return false;
        }
        const std::string_view name = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        return IsKnownName(name) && IsPlainValue(value) &&
               values.emplace(std::string(name), std::string(value)).second;
    });
    return plain ? std::optional(std::move(values)) : std::nullopt;
}

std::string FormatSettingsText(const std::map<std::string, std::string>& values) {
    std::string text = "[General]\n";
    for (const auto& [name, value] : values) {
        text.append(name).append("=").append(value).append("\n");
    }
    return text;
}
