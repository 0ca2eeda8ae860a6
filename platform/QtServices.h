// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>

#include "Settings.h"
#include "TextServices.h"

// The per-user settings: the registry key on Windows, ~/.config/Keldan/ovra.conf on Linux.
class QSettingsStore : public KeyValueStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& fileName);  // an ini file of its own, for tests

    bool IsEmpty() const override;
    std::optional<std::string> Read(const std::string& name) const override;
    void Write(const std::string& name, const std::string& value) override;

private:
    QSettings settings_;
};

// Weekday names of the user's locale and Unicode case rules that need no installed locale.
class QtTextServices : public TextServices {
public:
    std::string DayName(int weekday) const override;
    std::string UpperFirst(std::string_view text) const override;
};

// Text of the data file (the bytes as stored, UTF-8 here) for showing.
inline QString FromBytes(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The user's short-date picture, such as dd/MM/yyyy.
std::string SystemShortDatePattern();
