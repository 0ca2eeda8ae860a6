// SPDX-License-Identifier: MIT
#include "QtServices.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

// The translation of the first of the user's languages that has one. English is what the
// program is written in, so English or C before any other means none.
std::unique_ptr<QTranslator> LoadProgramTranslator(const QLocale& locale, QString* language) {
    if (locale.language() == QLocale::C) {
        return nullptr;  // LC_ALL=C outranks LANGUAGE, as with gettext
    }
    auto translator = std::make_unique<QTranslator>();
    for (const QString& name : locale.uiLanguages()) {
        const QLocale::Language wanted = QLocale(name).language();
        if (wanted == QLocale::English || wanted == QLocale::C) {
            return nullptr;
        }
        // "de-AT" tries ovrana_de_AT.qm, then ovrana_de.qm.
        if (translator->load(QStringLiteral("ovrana_") + QString(name).replace(u'-', u'_'),
                             QStringLiteral(":/i18n"))) {
            *language = name;
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

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

QtTextServices::QtTextServices(const QLocale& locale) : language_(QLocale::English) {
    QString language;
    program_ = LoadProgramTranslator(locale, &language);
    if (program_) {
        // The weekday is part of the sentence: in its language, not the formatting locale's.
        language_ = QLocale(language);
        // Qt's own texts (standard buttons, context menus), where Debian ships them.
        qt_ = std::make_unique<QTranslator>();
        if (!qt_->load(QStringLiteral("qtbase_") + language.replace(u'-', u'_'),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qt_.reset();
        }
    }
}

QtTextServices::~QtTextServices() = default;

std::string QtTextServices::Translate(const char* context, const char* source, int n) const {
    const QString text = program_ ? program_->translate(context, source, nullptr, n) : QString();
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

void QtTextServices::InstallTranslators() const {
    for (QTranslator* translator : {program_.get(), qt_.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

std::string QtTextServices::DayName(int weekday) const {
    return language_.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat).toStdString();
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

std::string InstalledTranslation(const char* context, const char* source, int n) {
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

std::string SystemShortDatePattern() {
    return QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
}

QString DayAndMonth(int month, int day) {
    static const QLocale language = QtTextServices().Language();  // Qt reads the user's once too
    return language.toString(QDate(2000, month, day), QStringLiteral("d MMMM"));
}
