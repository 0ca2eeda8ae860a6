// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItem>

#include "TestSupport.h"
#include "controls/SortingListCtrl.h"
#include "manage/EditPersonDlg.h"
#include "manage/OptionsDlg.h"

namespace {

template <typename T>
T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

// An Options dialog over its own records on 6 December 2026.
struct OptionsFixture {
    OptionsFixture() {
        settings.dateFormat = "%d/%m/%y";
        settings.defaultDays = 9;
        settings.defaultIcon = 4;
        settings.onceADay = 1;
        for (const char* name : {"zoe", "Anna", "ölaf", "bert", "Émile"}) {
            Append(records, Record(name, 7, 12, 1990));
        }
        Append(records, Record("no year", 24, 12, 0));
        UpdateAllRecords(records, kToday);
        dialog.records = &records;
        dialog.settings = &settings;
        dialog.clock = [] { return kToday; };
        dialog.OnInitDialog();
    }
    QStringList Names() const {
        QStringList names;
        for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
            names << dialog.List()->topLevelItem(i)->text(0);
        }
        return names;
    }
    // Runs the editor seam with `edit` applied to the dialog, answering OK or Cancel.
    void Answer(bool ok, std::function<void(CEditPersonDlg&)> edit = {}) {
        dialog.execEditor = [ok, edit](CEditPersonDlg& editor) {
            editor.OnInitDialog();
            if (edit) {
                edit(editor);
            }
            editor.accept();
            return ok ? QDialog::Accepted : QDialog::Rejected;
        };
    }
    void Select(int row) { dialog.List()->setCurrentItem(dialog.List()->topLevelItem(row)); }

    static constexpr DayNumber kToday = 20793;  // 6 December 2026
    RecordList records;
    AppSettings settings;
    COptionsDlg dialog;
};

}  // namespace

class TestManage : public QObject {
    Q_OBJECT

private slots:
    void captionFollowsTheName() {
        CEditPersonDlg dialog;
        dialog.OnInitDialog();
        QCOMPARE(dialog.windowTitle(), QString("No name"));
        auto* name = Child<QLineEdit>(&dialog, "editName");
        QTest::keyClicks(name, "A");
        QCOMPARE(dialog.windowTitle(), QString("A - properties"));
        QTest::keyClicks(name, "nna");
        QCOMPARE(dialog.windowTitle(), QString("Anna - properties"));
        name->clear();
        QCOMPARE(dialog.windowTitle(), QString("No name"));
    }

    void labelsFollowNotABirthday() {
        CEditPersonDlg dialog;
        dialog.notABirthday = 1;
        dialog.OnInitDialog();
        auto* labelName = Child<QLabel>(&dialog, "labelName");
        auto* labelDate = Child<QLabel>(&dialog, "labelDate");
        auto* box = Child<QCheckBox>(&dialog, "checkNotABirthday");
        QVERIFY(box->isChecked());
        QCOMPARE(labelName->text(), QString("Event:"));
        QCOMPARE(labelDate->text(), QString("First date:"));
        box->click();
        QCOMPARE(labelName->text(), QString("Name:"));
        QCOMPARE(labelDate->text(), QString("Birthday:"));
        QCOMPARE(dialog.notABirthday, 0);

        CEditPersonDlg other;
        other.notABirthday = 7;  // from a hand-edited file: kept unless the box is clicked
        other.warnDays = 3;
        other.OnInitDialog();
        QCOMPARE(Child<QLabel>(&other, "labelDate")->text(), QString("Birth date:"));
        QVERIFY(!Child<QCheckBox>(&other, "checkNotABirthday")->isChecked());
        other.accept();
        QCOMPARE(other.notABirthday, 7);
    }

    void warningDaysAreChecked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("365") << "365" << true;
        QTest::newRow("366") << "366" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("huge") << "99999999999" << false;
    }

    void warningDaysAreChecked() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        CEditPersonDlg dialog;
        QStringList messages;
        dialog.showMessage = [&](const QString& text) { messages << text; };
        dialog.warnDays = 500;  // shown as it is, refused only on OK
        dialog.OnInitDialog();
        auto* days = Child<QLineEdit>(&dialog, "editWarnDays");
        QCOMPARE(days->text(), QString("500"));
        days->setText(typed);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        if (accepted) {
            QCOMPARE(dialog.warnDays, typed.toInt());
            QVERIFY(messages.isEmpty());
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages.front().contains("between 0 and 365"));
            QCOMPARE(dialog.warnDays, 500);
        }
    }

    void addressWithACommaIsRefused() {
        CEditPersonDlg dialog;
        QStringList messages;
        dialog.showMessage = [&](const QString& text) { messages << text; };
        dialog.email = "old@example.org";
        dialog.OnInitDialog();
        Child<QLineEdit>(&dialog, "editEmail")->setText("a,b@example.org");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.front().contains("comma"));
        QCOMPARE(dialog.email, std::string("old@example.org"));
    }

    void datesThePickerCannotShowAreKept() {
        CEditPersonDlg dialog;
        dialog.date = {0, 2, 29};
        dialog.OnInitDialog();
        auto* unknown = Child<QCheckBox>(&dialog, "checkYearUnknown");
        QVERIFY(unknown->isChecked());
        QVERIFY(!Child<QDateEdit>(&dialog, "datePicker")->displayFormat().contains('y'));
        dialog.accept();
        QCOMPARE(dialog.date.year, 0);
        QCOMPARE(dialog.date.month, 2);
        QCOMPARE(dialog.date.day, 29);

        CEditPersonDlg impossible;
        impossible.date = {1990, 4, 31};
        impossible.OnInitDialog();
        impossible.accept();
        QCOMPARE(impossible.date.day, 31);  // untouched dates go back as they came

        // A year the user sets is kept; clearing "Year unknown" asks for one.
        CEditPersonDlg setYear;
        setYear.date = {0, 5, 12};
        setYear.OnInitDialog();
        Child<QCheckBox>(&setYear, "checkYearUnknown")->click();
        Child<QDateEdit>(&setYear, "datePicker")->setDate(QDate(1976, 5, 12));
        setYear.accept();
        QCOMPARE(setYear.date.year, 1976);
        QCOMPARE(setYear.date.day, 12);
    }

    void optionsListsEveryRecordInNameOrder() {
        QCOMPARE(MakeDay(2026, 12, 6), OptionsFixture::kToday);
        OptionsFixture f;
        QCOMPARE(f.Names(), QStringList({"Anna", "bert", "Émile", "no year", "ölaf", "zoe"}));
        QTreeWidgetItem* anna = f.dialog.List()->topLevelItem(0);
        QCOMPARE(anna->text(1), QString("07/12/26"));
        QCOMPARE(anna->text(2), QString("14"));
        QCOMPARE(anna->text(3), QString("35"));
        QCOMPARE(anna->text(4), QString("1"));
        QTreeWidgetItem* noYear = f.dialog.List()->topLevelItem(3);
        QCOMPARE(noYear->text(1), QString("24/12/26"));
        QCOMPARE(noYear->text(3), QString("-"));
        QCOMPARE(noYear->text(4), QString("-"));
        QVERIFY(!f.dialog.changed);
    }

    void closeStoresTheSwitchesEscapeDoesNot() {
        for (bool close : {true, false}) {
            OptionsFixture f;
            Child<QCheckBox>(&f.dialog, "checkOnTop")->setChecked(true);
            Child<QCheckBox>(&f.dialog, "checkOnceADay")->setChecked(false);
            Child<QCheckBox>(&f.dialog, "checkNotify")->toggle();
            Child<QCheckBox>(&f.dialog, "checkDaily")->toggle();
            Child<QComboBox>(&f.dialog, "comboIcon")->setCurrentIndex(-1);
            auto* days = f.dialog.findChild<QAbstractSpinBox*>("editDays");
            QCOMPARE(days->text(), QString("9"));
            days->findChild<QLineEdit*>()->setText("500");
            if (close) {
                f.dialog.accept();
            } else {
                f.dialog.reject();
            }
            QCOMPARE(f.settings.alwaysOnTop, close ? 1 : 0);
            QCOMPARE(f.settings.onceADay, close ? 0 : 1);
            QCOMPARE(f.settings.notify, close ? 1 : 0);
            QCOMPARE(f.settings.daily, close ? 0 : 1);
            QCOMPARE(f.settings.defaultDays, close ? 500 : 9);
            QCOMPARE(f.settings.defaultIcon, close ? -1 : 4);
        }
    }

    void newRecordTakesTheDefaultsAsTheyStand() {
        OptionsFixture f;
        f.dialog.List()->OnHeaderItemClick(4);  // sorted by days; New brings name order back
        f.dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>()->setText("3");
        int seenIcon = -2;
        int seenDays = -2;
        f.dialog.execEditor = [&](CEditPersonDlg& editor) {
            seenIcon = editor.icon;
            seenDays = editor.warnDays;
            editor.OnInitDialog();
            Child<QLineEdit>(&editor, "editName")->setText("Carl");
            editor.accept();
            return int(QDialog::Accepted);
        };
        Child<QPushButton>(&f.dialog, "buttonNew")->click();
        QCOMPARE(seenIcon, 4);
        QCOMPARE(seenDays, 3);
        QCOMPARE(f.Names(),
                 QStringList({"Anna", "bert", "Carl", "Émile", "no year", "ölaf", "zoe"}));
        QVERIFY(f.dialog.List()->selectedItems().isEmpty());
        QVERIFY(f.dialog.changed);
        QCOMPARE(f.records.back()->name, std::string("Carl"));
        QCOMPARE(f.records.back()->skipYear, -1);

        OptionsFixture cancelled;
        cancelled.Answer(false);
        cancelled.dialog.OnNewRecord();
        QCOMPARE(cancelled.records.size(), 6u);
        QVERIFY(!cancelled.dialog.changed);
    }

    void editKeepsOrRebuildsTheRows() {
        OptionsFixture f;
        f.records.front()->skipYear = 2026;  // "zoe", silenced
        f.Select(5);
        f.Answer(true);
        f.dialog.OnDblclkList();  // OK without changes still counts
        QVERIFY(f.dialog.changed);
        QCOMPARE(f.records.front()->skipYear, -1);
        QCOMPARE(f.dialog.SelectedRow(), 5);

        // Only the case changes: the list is rebuilt and the row found again.
        f.Answer(true, [](CEditPersonDlg& editor) {
            Child<QLineEdit>(&editor, "editName")->setText("Zoe");
        });
        f.dialog.execMenu = [](QMenu&) { return int(COptionsDlg::ID_EDIT); };
        f.dialog.OnRclickList();
        QCOMPARE(f.Names().last(), QString("Zoe"));
        QCOMPARE(f.dialog.SelectedRow(), 5);

        // A new name moves the row to its place and keeps it selected.
        f.Answer(true, [](CEditPersonDlg& editor) {
            Child<QLineEdit>(&editor, "editName")->setText("Aaron");
        });
        f.dialog.EditRecord(5);
        QCOMPARE(f.Names().first(), QString("Aaron"));
        QCOMPARE(f.dialog.SelectedRow(), 0);
        QCOMPARE(f.dialog.List()->topLevelItem(0)->text(3), QString("35"));

        OptionsFixture cancelled;
        cancelled.Select(0);
        cancelled.Answer(false, [](CEditPersonDlg& editor) {
            Child<QLineEdit>(&editor, "editName")->setText("X");
        });
        cancelled.dialog.OnDblclkList();
        QCOMPARE(cancelled.records.size(), 6u);
        QCOMPARE(cancelled.Names().first(), QString("Anna"));
        QVERIFY(!cancelled.dialog.changed);
    }

    void deleteSelectsTheNextRow() {
        OptionsFixture f;
        f.dialog.show();  // shortcuts need an active window
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.Select(2);  // Émile, a middle row
        QTest::keyClick(f.dialog.List(), Qt::Key_Delete);
        QCOMPARE(f.Names(), QStringList({"Anna", "bert", "no year", "ölaf", "zoe"}));
        QCOMPARE(f.dialog.SelectedRow(), 2);
        QCOMPARE(f.records.size(), 5u);
        QVERIFY(f.dialog.changed);

        f.dialog.execMenu = [](QMenu&) { return int(COptionsDlg::ID_DELETE); };
        f.Select(4);  // the last row
        f.dialog.OnRclickList();
        QCOMPARE(f.dialog.SelectedRow(), 3);
        QCOMPARE(f.Names().last(), QString("ölaf"));

        // Typing Delete in a text box edits the text, it never deletes a record.
        auto* days = f.dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>();
        days->setFocus();
        days->setCursorPosition(0);
        QTest::keyClick(days, Qt::Key_Delete);
        QCOMPARE(f.records.size(), 4u);

        while (f.dialog.List()->topLevelItemCount() > 0) {
            f.dialog.DeleteRecord(0);
        }
        QCOMPARE(f.dialog.SelectedRow(), -1);
        QVERIFY(f.records.empty());
    }

    void noticeSaysWhyNothingCanBeSaved() {
        OptionsFixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        auto* notice = Child<QWidget>(&f.dialog, "notice");
        QVERIFY(!notice->isVisible());

        f.dialog.notice = "The data file <b>x</b> could not be read.";
        f.dialog.OnInitDialog();
        QVERIFY(notice->isVisible());
        auto* text = Child<QLabel>(notice, "noticeText");
        QCOMPARE(text->text(), f.dialog.notice);
        QCOMPARE(text->textFormat(), Qt::PlainText);  // a path is never taken for markup
        QVERIFY(notice->geometry().bottom() < f.dialog.List()->geometry().top());
    }

    void withoutASelectionNothingHappens() {
        OptionsFixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.dialog.List()->clearSelection();
        bool menuShown = false;
        f.dialog.execMenu = [&](QMenu&) {
            menuShown = true;
            return 0;
        };
        f.dialog.OnRclickList();
        f.dialog.OnDblclkList();
        QTest::keyClick(f.dialog.List(), Qt::Key_Delete);
        QVERIFY(!menuShown);
        QCOMPARE(f.records.size(), 6u);
        QVERIFY(!f.dialog.changed);
    }
};

QTEST_MAIN(TestManage)
#include "test_manage.moc"
