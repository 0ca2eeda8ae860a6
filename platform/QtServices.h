// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QSettings>
#include <memory>

class QTranslator;

#include "Settings.h"
#include "TextServices.h"

// The per-user settings, the INI file ~/.config/Keldan/ovra.conf.
class QSettingsStore : public KeyValueStore {
public:
    // The file SettingsFilePath names, not the one Qt would guess, which may differ from it.
    explicit QSettingsStore(const QString& fileName);

    bool IsEmpty() const override;
    std::optional<std::string> Read(const std::string& name) const override;
    void Write(const std::string& name, const std::string& value) override;

private:
    QSettings settings_;
};

// Weekday names and sentences in the user's language, and Unicode case rules that need no
// installed locale. Works without a QCoreApplication, for the text output.
class QtTextServices : public TextServices {
public:
    // The user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or the one a test names.
    explicit QtTextServices(const QLocale& locale = QLocale::system());
    ~QtTextServices() override;

    std::string DayName(int weekday) const override;
    std::string UpperFirst(std::string_view text) const override;
    std::string Translate(const char* context, const char* source, int n) const override;
    // Lets the windows' tr() and Qt's own buttons speak the same language; needs the app.
    void InstallTranslators() const;
    // The language spoken, for the names of days and months.
    const QLocale& Language() const { return language_; }

private:
    QLocale language_;                      // of the translation loaded, or English
    std::unique_ptr<QTranslator> program_;  // null: English, C or no translation
    std::unique_ptr<QTranslator> qt_;
};

// Text of the data file (the bytes as stored, UTF-8 here) for showing.
inline QString FromBytes(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of `context` in the translations the windows installed; see PluralTranslator.
std::string InstalledTranslation(const char* context, const char* source, int n);

// The user's short-date picture, such as dd/MM/yyyy.
std::string SystemShortDatePattern();
// "12 May": a day of the year without a year, its month named in the language spoken.
QString DayAndMonth(int month, int day);
