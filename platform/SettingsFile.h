// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The settings file as Qt's native format keeps it on Linux, read and written without Qt for the
// logon run that shows nothing. Only the plain form in which Qt writes this program's values is
// understood; a file with anything else in it is left to Qt.

// $XDG_CONFIG_HOME when it is an absolute folder, else ~/.config; empty when HOME is not an
// absolute folder either.
std::string ConfigFolder();

// $XDG_CONFIG_HOME/Keldan/ovra.conf, or ~/.config/Keldan/ovra.conf when XDG_CONFIG_HOME is not
// an absolute folder; empty when HOME is not one either. Both programs keep their settings here.
std::string SettingsFilePath();

// A folder of this user's for marks that live as long as a run: $XDG_RUNTIME_DIR when it is
// absolute, else the settings file's folder; empty when neither is known.
std::string RuntimeFolder();

// The records put off until tomorrow: $XDG_STATE_HOME/ovrana/snoozed when it is absolute, else
// ~/.local/state/ovrana/snoozed; empty when HOME is not absolute either.
std::string SnoozeFilePath();

// The values of a file that holds at most a "[General]" line, blank lines and name=value lines
// of the nine known names, each at most once, with values of letters, digits, signs and colons
// alone. Nothing for any other text.
std::optional<std::map<std::string, std::string>> ParseSettingsText(std::string_view text);

// The file Qt writes for `values`: the [General] line, then the values in name order.
std::string FormatSettingsText(const std::map<std::string, std::string>& values);
