// SPDX-License-Identifier: MIT
#include "QtServices.h"

#include <QLocale>
#include <QStringList>

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Keldan", "ovra") {
    settings_.setFallbacksEnabled(false);
}

QSettingsStore::QSettingsStore(const QString& fileName)
    : settings_(fileName, QSettings::IniFormat) {
    settings_.setFallbacksEnabled(false);
}

bool QSettingsStore::IsEmpty() const {
    return settings_.allKeys().isEmpty();
}

std::optional<std::string> QSettingsStore::Read(const std::string& name) const {
    const QVariant value = settings_.value(QString::fromStdString(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with commas comes back as a list; read it as the text it was.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(',').toStdString();
    }
    return value.toString().toStdString();
}

void QSettingsStore::Write(const std::string& name, const std::string& value) {
    // Qt rewrites the whole file for any value set, flushing it to disk twice; most runs write
    // back the values that are already there.
    const QString key = QString::fromStdString(name);
    const QString text = QString::fromStdString(value);
    if (settings_.value(key) != QVariant(text)) {
        settings_.setValue(key, text);
    }
}

std::string QtTextServices::DayName(int weekday) const {
    return QLocale::system().dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat).toStdString();
}

std::string QtTextServices::UpperFirst(std::string_view text) const {
    if (text.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const QString first =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(length, text.size())));
    const QList<uint> codes = first.toUcs4();
    if (codes.size() != 1 || codes.front() == QChar::ReplacementCharacter) {
        return std::string(text);  // not a character we can read: leave the bytes alone
    }
    const char32_t title = QChar::toTitleCase(static_cast<char32_t>(codes.front()));
    std::string result = QString::fromUcs4(&title, 1).toStdString();
    result.append(text.substr(length));
    return result;
}

std::string SystemShortDatePattern() {
    return QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
}
