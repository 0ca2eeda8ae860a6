// SPDX-License-Identifier: MIT
#include <QTest>

#include "TestSupport.h"
#include "platform/QtServices.h"
#include "records/DatePattern.h"
#include "reminder/DueRecords.h"

namespace {

// Locale, name, birth year (0: an event), days before Friday 1 January 2027, sentence.
const std::tuple<const char*, const char*, int, int, const char*> kRows[] = {
    {"de_DE", "noah", 2026, 0, " noah wird heute 1"},
    {"de_DE", "noah", 2006, 1, " noah wird morgen 21"},
    {"de_DE", "noah", 2005, 2, " Noah wird 22 – am Freitag, 01.01.27 (in 2 Tagen)"},
    {"de_DE", "hochzeit", 0, 0, " hochzeit – heute"},
    {"de_DE", "hochzeit", 0, 1, " hochzeit – morgen"},
    {"de_DE", "hochzeit", 0, 11, " Hochzeit – am Freitag, 01.01.27 (in 11 Tagen)"},
    {"fr_FR", "noé", 2026, 0, " noé a 1 an aujourd’hui"},
    {"fr_FR", "noé", 2006, 1, " noé aura 21 ans demain"},
    {"fr_FR", "noé", 2005, 21, " Noé aura 22 ans le vendredi 01.01.27 (dans 21 jours)"},
    {"fr_FR", "noces", 0, 0, " noces aujourd’hui"},
    {"fr_FR", "noces", 0, 1, " noces demain"},
    {"fr_FR", "noces", 0, 2, " Noces le vendredi 01.01.27 (dans 2 jours)"},
    {"es_ES", "noé", 2026, 0, " noé cumple 1 año hoy"},
    {"es_ES", "noé", 2006, 1, " noé cumple 21 años mañana"},
    {"es_ES", "noé", 1997, 22, " Noé cumple 30 años el viernes 01.01.27 (dentro de 22 días)"},
    {"es_ES", "boda", 0, 0, " boda hoy"},
    {"es_ES", "boda", 0, 1, " boda mañana"},
    {"es_ES", "boda", 0, 5, " Boda el viernes 01.01.27 (dentro de 5 días)"},
    {"ru_RU", "ной", 2026, 0, " ной: сегодня исполняется 1 год"},
    {"ru_RU", "ной", 2006, 1, " ной: завтра исполнится 21 год"},
    {"ru_RU", "ной", 2005, 2, " Ной: исполнится 22 года — пятница, 01.01.27 (через 2 дня)"},
    {"ru_RU", "ной", 1997, 5, " Ной: исполнится 30 лет — пятница, 01.01.27 (через 5 дней)"},
    {"ru_RU", "ной", 2006, 11, " Ной: исполнится 21 год — пятница, 01.01.27 (через 11 дней)"},
    {"ru_RU", "свадьба", 0, 0, " свадьба: сегодня"},
    {"ru_RU", "свадьба", 0, 1, " свадьба: завтра"},
    {"ru_RU", "свадьба", 0, 21, " Свадьба: пятница, 01.01.27 (через 21 день)"},
    {"ru_RU", "свадьба", 0, 22, " Свадьба: пятница, 01.01.27 (через 22 дня)"},
    // No translation: the English sentence, all of it.
    {"pt_BR", "noah", 1997, 5, " Noah will be 30 on Friday 01.01.27 (in 5 days)"},
    // The user's own (CMakeLists.txt): LANGUAGE=ru:de, LANG=fr_FR.UTF-8, so the date as in France.
    {nullptr, "ной", 2005, 2, " Ной: исполнится 22 года — пятница, 01/01/27 (через 2 дня)"},
};

}  // namespace

class TestQtServices : public QObject {
    Q_OBJECT

private slots:
    // Every form, the plural forms of days and ages, names lower case as typed.
    void everySentenceForm() {
        for (const auto& [locale, name, birthYear, daysBefore, expected] : kRows) {
            PersonRecord record = Record(name, 1, 1, birthYear);
            record.notABirthday = birthYear == 0;
            UpdateRecord(record, MakeDay(2027, 1, 1) - daysBefore);
            const QtTextServices text(locale ? QLocale(locale) : QLocale::system());
            const std::string dates =
                locale ? "%d.%m.%y" : MakeDatePattern(SystemShortDatePattern());
            QCOMPARE(ComposeReminderText(record, dates, text), std::string(expected));
        }
        QCOMPARE(DayAndMonth(5, 12), QString("12 мая"));  // the user's own: months in Russian too
    }

    void upperFirst() {
        const std::pair<std::string, std::string> rows[] = {
            {std::string("a\xff\0z", 4), std::string("A\xff\0z", 4)},  // the rest byte for byte
            {"ǆemal", "ǅemal"},                                        // title case, not upper case
            {"ⓐb", "Ⓐb"},                                              // three bytes
            {"𐐨x", "𐐀x"},                                              // four bytes
            {"\xff\xfe x", "\xff\xfe x"},                              // not UTF-8
            {"\xc3", "\xc3"},                                          // cut short
            {"", ""},
        };
        for (const auto& [text, expected] : rows) {
            QCOMPARE(QtTextServices().UpperFirst(text), expected);
        }
    }

    // A hand-edited list reads as its text, a key not there as none.
    void settingsStore() {
        TempDir dir;
        WriteFile(dir.File("ovra.conf"), "[General]\nlist=1,2\n");
        const QSettingsStore store(QString::fromStdString(dir.File("ovra.conf")));
        QVERIFY(!store.IsEmpty() && !store.Read("none"));
        QCOMPARE(store.Read("list"), std::optional<std::string>("1,2"));
    }
};

QTEST_GUILESS_MAIN(TestQtServices)
#include "test_qt_services.moc"
