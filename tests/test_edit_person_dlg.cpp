// SPDX-License-Identifier: MIT
#include <QTest>
#include <QtWidgets>

#include "Mnemonics.h"
#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "manage/EditPersonDlg.h"

namespace {

// Runs `dialog`, lets `act` work on its controls, then presses OK; the warnings shown.
QStringList RunAndOk(
    CEditPersonDlg& dialog, const std::function<void()>& act = [] {}) {
    QStringList warnings;
    Modal::warnHook = [&](const QString& text) { warnings << text; };
    Modal::runHook = [&](QDialog& shown) {
        act();
        shown.accept();
        return shown.result();
    };
    dialog.exec();
    return warnings;
}

QString Text(QObject& dialog, const char* label) {
    return dialog.findChild<QLabel*>(label)->text();
}

}  // namespace

class TestEditPersonDlg : public QObject {
    Q_OBJECT

private slots:
    void captionAndLabelsFollowTheForm() {
        CEditPersonDlg dialog, other;
        dialog.notABirthday = 1;
        RunAndOk(dialog, [&] {
            QTest::keyClicks(dialog.findChild<QLineEdit*>("editName"), "Anna");
            QCOMPARE(dialog.windowTitle() + Text(dialog, "labelName") + Text(dialog, "labelDate"),
                     QString("Anna - propertiesEvent:First date:"));
            dialog.findChild<QCheckBox*>("checkNotABirthday")->click();
            QCOMPARE(Text(dialog, "labelName") + Text(dialog, "labelDate"),
                     QString("Name:Birthday:"));
            QCOMPARE(MnemonicFaults(dialog), QStringList());
            QStringList tabs;  // in reading order
            for (QWidget* w = dialog.focusWidget(); tabs.size() < 9; w = w->nextInFocusChain()) {
                if (w->focusPolicy() & Qt::TabFocus && !w->objectName().startsWith("qt_")) {
                    tabs << w->objectName();
                }
            }
            QCOMPARE(tabs.join(' '), QString("editName editEmail datePicker checkYearUnknown "
                                             "comboIcon editWarnDays checkNotABirthday "
                                             "checkNeverRemind okButton"));
        });
        other.notABirthday = 7;  // from a hand-edited file: kept unless the box is clicked
        RunAndOk(other, [&] { QCOMPARE(Text(other, "labelDate"), QString("Birth date:")); });
        QCOMPARE(QList<int>({dialog.notABirthday, other.notABirthday}), QList<int>({0, 7}));
    }

    void badInputIsRefusedAndKeepsTheRecord() {
        const std::tuple<QString, QString, bool> rows[] = {
            // days, e-mail, refused with a warning
            {"0", "a@example.org", false}, {"365", "", false}, {"366", "", true}, {"", "", true},
            {"5", "x@y,z", false},  // a comma, as the data file holds it
        };
        for (const auto& [days, email, refused] : rows) {
            CEditPersonDlg dialog;
            dialog.warnDays = 500;  // shown as it is, refused only on OK
            const QStringList warnings = RunAndOk(dialog, [&] {
                QCOMPARE(dialog.findChild<QLineEdit*>("editWarnDays")->text(), QString("500"));
                dialog.findChild<QLineEdit*>("editWarnDays")->setText(days);
                dialog.findChild<QLineEdit*>("editEmail")->setText(email);
            });
            QCOMPARE(warnings.size(), int(refused));
            QCOMPARE(dialog.warnDays, refused ? 500 : days.toInt());
            QCOMPARE(dialog.email, refused ? "" : email.toStdString());
        }
    }

    // Dates the picker cannot show, texts too long or not UTF-8: kept as they were.
    void whatTheControlsCannotShowIsKept() {
        CEditPersonDlg noYear, impossible, setYear, longTexts;
        noYear.date = {0, 2, 29};
        RunAndOk(noYear, [&] {
            QVERIFY(noYear.findChild<QCheckBox*>("checkYearUnknown")->isChecked());
            QVERIFY(!noYear.findChild<QDateEdit*>("datePicker")->displayFormat().contains('y'));
        });
        impossible.date = {1990, 4, 31};
        RunAndOk(impossible);
        setYear.date = {0, 5, 12};  // clearing "Year unknown" asks for a year
        RunAndOk(setYear, [&] {
            setYear.findChild<QCheckBox*>("checkYearUnknown")->click();
            setYear.findChild<QDateEdit*>("datePicker")->setDate(QDate(1976, 5, 12));
        });
        QCOMPARE(QList<qint64>(
                     {noYear.date.year, noYear.date.day, impossible.date.day, setYear.date.year}),
                 QList<qint64>({0, 29, 31, 1976}));
        const std::string text = std::string(40000, 'n') + "\xff";
        longTexts.name = longTexts.email = text;
        RunAndOk(longTexts);
        QVERIFY(longTexts.name == text && longTexts.email == text);
    }
};

QTEST_MAIN(TestEditPersonDlg)
#include "test_edit_person_dlg.moc"
