// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "controls/DialogKit.h"
#include "manage/EditPersonDlg.h"

namespace {

// Runs `dialog`, lets `act` work on its controls, then presses OK; the warnings shown.
QStringList RunAndOk(CEditPersonDlg& dialog, const std::function<void()>& act = {}) {
    QStringList warnings;
    Modal::warnHook = [&](const QString& text) { warnings << text; };
    Modal::runHook = [&](QDialog& shown) {
        if (act) {
            act();
        }
        shown.accept();
        return shown.result();
    };
    dialog.exec();
    Modal::warnHook = nullptr;
    Modal::runHook = nullptr;
    return warnings;
}

template <typename T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(name);
}

}  // namespace

class TestEditPersonDlg : public QObject {
    Q_OBJECT

private slots:
    void captionAndLabelsFollowTheForm() {
        CEditPersonDlg dialog;
        dialog.notABirthday = 1;
        RunAndOk(dialog, [&] {
            QCOMPARE(dialog.windowTitle(), QString("No name"));
            QTest::keyClicks(Child<QLineEdit>(dialog, "editName"), "Anna");
            QCOMPARE(dialog.windowTitle(), QString("Anna - properties"));
            QCOMPARE(Child<QLabel>(dialog, "labelName")->text(), QString("Event:"));
            QCOMPARE(Child<QLabel>(dialog, "labelDate")->text(), QString("First date:"));
            Child<QCheckBox>(dialog, "checkNotABirthday")->click();
            QCOMPARE(Child<QLabel>(dialog, "labelName")->text(), QString("Name:"));
            QCOMPARE(Child<QLabel>(dialog, "labelDate")->text(), QString("Birthday:"));
        });
        QCOMPARE(dialog.notABirthday, 0);

        CEditPersonDlg other;
        other.notABirthday = 7;  // from a hand-edited file: kept unless the box is clicked
        RunAndOk(other, [&] {
            QCOMPARE(Child<QLabel>(other, "labelDate")->text(), QString("Birth date:"));
        });
        QCOMPARE(other.notABirthday, 7);
    }

    void badInputIsRefusedAndKeepsTheRecord_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("warning");  // empty: accepted
        const QString range = "Please enter a whole number of days between 0 and 365.";
        QTest::newRow("zero") << "0"
                              << ""
                              << "";
        QTest::newRow("365") << "365"
                             << ""
                             << "";
        QTest::newRow("366") << "366"
                             << "" << range;
        QTest::newRow("empty") << ""
                               << "" << range;
        QTest::newRow("huge") << "99999999999"
                              << "" << range;
        QTest::newRow("comma") << "5"
                               << "a,b@example.org"
                               << "An e-mail address cannot contain a comma.";
    }
    void badInputIsRefusedAndKeepsTheRecord() {
        QFETCH(QString, days);
        QFETCH(QString, email);
        QFETCH(QString, warning);
        CEditPersonDlg dialog;
        dialog.warnDays = 500;  // shown as it is, refused only on OK
        dialog.email = "old@example.org";
        const QStringList warnings = RunAndOk(dialog, [&] {
            QCOMPARE(Child<QLineEdit>(dialog, "editWarnDays")->text(), QString("500"));
            Child<QLineEdit>(dialog, "editWarnDays")->setText(days);
            Child<QLineEdit>(dialog, "editEmail")
                ->setText(email.isEmpty() ? "old@example.org" : email);
        });
        QCOMPARE(warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(dialog.warnDays, warning.isEmpty() ? days.toInt() : 500);
        QCOMPARE(dialog.email, std::string("old@example.org"));
    }

    void datesThePickerCannotShowAreKept() {
        CEditPersonDlg noYear;
        noYear.date = {0, 2, 29};
        RunAndOk(noYear, [&] {
            QVERIFY(Child<QCheckBox>(noYear, "checkYearUnknown")->isChecked());
            QVERIFY(!Child<QDateEdit>(noYear, "datePicker")->displayFormat().contains('y'));
        });
        QCOMPARE(QList<int>({int(noYear.date.year), noYear.date.month, noYear.date.day}),
                 QList<int>({0, 2, 29}));

        CEditPersonDlg impossible;
        impossible.date = {1990, 4, 31};
        RunAndOk(impossible);
        QCOMPARE(impossible.date.day, 31);  // untouched dates go back as they came

        CEditPersonDlg setYear;  // clearing "Year unknown" asks for a year
        setYear.date = {0, 5, 12};
        RunAndOk(setYear, [&] {
            Child<QCheckBox>(setYear, "checkYearUnknown")->click();
            Child<QDateEdit>(setYear, "datePicker")->setDate(QDate(1976, 5, 12));
        });
        QCOMPARE(setYear.date.year, 1976);
    }

    void longTextsKeepTheirBytes() {
        CEditPersonDlg dialog;
        dialog.name = dialog.email = std::string(40000, 'n') + "\xff";  // not UTF-8 either
        RunAndOk(dialog);
        QVERIFY(dialog.name == dialog.email && dialog.email == std::string(40000, 'n') + "\xff");
    }
};

QTEST_MAIN(TestEditPersonDlg)
#include "test_edit_person_dlg.moc"
