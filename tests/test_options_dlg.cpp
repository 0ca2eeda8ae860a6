// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "manage/EditPersonDlg.h"
#include "manage/OptionsDlg.h"

namespace {

constexpr DayNumber kToday = 20793;  // 6 December 2026

// An Options dialog over its own records, shown; menus and the Edit person dialog answer
// through the shared seams.
struct Options {
    RecordList records;
    AppSettings settings;
    COptionsDlg dialog;
    QTreeWidget* list = nullptr;
    QString editedName;  // typed into the Edit person dialog before OK; "!": Cancel
    QString shownIcon, shownDays;

    Options() {
        settings.dateFormat = "%d/%m/%y";
        settings.defaultDays = 9;
        settings.defaultIcon = 4;
        settings.onceADay = 1;
        for (const char* name : {"zoe", "Anna", "ölaf", "bert", "Émile"}) {
            Append(records, Record(name, 7, 12, 1990));
        }
        Append(records, Record("no year", 24, 12, 0));
        Append(records, Record("no date", 0, 0, 0));
        (*std::next(records.begin(), 3))->email = "b@Müller.example";  // bert
        UpdateAllRecords(records, kToday);
        dialog.records = &records;
        dialog.settings = &settings;
        dialog.clock = [] { return kToday; };
        dialog.OnInitDialog();
        list = dialog.findChild<QTreeWidget*>("list");
        Modal::runHook = [this](QDialog& editor) {
            shownIcon = QString::number(editor.findChild<QComboBox*>("comboIcon")->currentIndex());
            shownDays = editor.findChild<QLineEdit*>("editWarnDays")->text();
            if (editedName == "!") {
                return int(QDialog::Rejected);
            }
            if (!editedName.isEmpty()) {
                editor.findChild<QLineEdit*>("editName")->setText(editedName);
            }
            editor.accept();
            return editor.result();
        };
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog)) {
            qFatal("the dialog did not open");
        }
    }
    ~Options() {
        Modal::runHook = nullptr;
        Modal::menuHook = nullptr;
        Modal::warnHook = nullptr;
        Modal::fileHook = nullptr;
    }

    QStringList Column(int column) const {  // of the rows shown
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (!list->topLevelItem(i)->isHidden()) {
                texts << list->topLevelItem(i)->text(column);
            }
        }
        return texts;
    }
    QLineEdit* Filter() const { return dialog.findChild<QLineEdit*>("filterBox"); }
    int Selected() const {
        const auto rows = list->selectedItems();
        return rows.isEmpty() ? -1 : list->indexOfTopLevelItem(rows.front());
    }
    void Select(int row) { list->setCurrentItem(list->topLevelItem(row)); }
    void Menu(const QString& command) {  // right-click, then the command of that name
        Modal::menuHook = [command](QMenu& menu) {
            for (const QAction* action : menu.actions()) {
                if (action->text() == command) {
                    return action->data().toInt();
                }
            }
            return 0;
        };
        emit list->customContextMenuRequested({});
    }
    void Import(const std::string& vcards) {  // through Import... from a file of `vcards`
        TempDir dir;
        WriteFile(dir.File("c.vcf"), vcards);
        Modal::fileHook = [&](bool, const QString&) { return QString(dir.File("c.vcf").c_str()); };
        dialog.findChild<QPushButton*>("buttonImport")->click();
    }
    void DoubleClick() { emit list->itemDoubleClicked(list->currentItem(), 0); }
};

}  // namespace

class TestOptionsDlg : public QObject {
    Q_OBJECT

private slots:
    void rowsInNameOrderWithDashesForWhatIsUnknown() {
        QCOMPARE(MakeDay(2026, 12, 6), kToday);
        Options o;
        QCOMPARE(o.Column(0),
                 QStringList({"Anna", "bert", "Émile", "no date", "no year", "ölaf", "zoe"}));
        QCOMPARE(o.Column(1)[0] + o.Column(2)[0] + o.Column(3)[0] + o.Column(4)[0],
                 QString("07/12/26"
                         "14"
                         "35"
                         "1"));
        QCOMPARE(o.Column(1).mid(3, 2), QStringList({"-", "24/12/26"}));
        QCOMPARE(o.Column(3).mid(3, 2), QStringList({"-", "-"}));
        QCOMPARE(o.Column(4).mid(3, 2), QStringList({"-", "-"}));
        QVERIFY(!o.dialog.changed);
    }

    void groupBoxTitles() {
        Options o;
        QStringList titles;
        for (const QGroupBox* box : o.dialog.findChildren<QGroupBox*>()) {
            titles << box->title();
        }
        QCOMPARE(titles, QStringList({" Options ", " Default for new records "}));
    }

    void closeStoresTheSwitchesEscapeDoesNot() {
        for (const bool close : {true, false}) {
            Options o;
            o.dialog.findChild<QCheckBox*>("checkOnTop")->setChecked(true);
            o.dialog.findChild<QCheckBox*>("checkOnceADay")->setChecked(false);
            o.dialog.findChild<QCheckBox*>("checkNotify")->toggle();
            o.dialog.findChild<QCheckBox*>("checkDaily")->toggle();
            o.dialog.findChild<QComboBox*>("comboIcon")->setCurrentIndex(-1);
            auto* days = o.dialog.findChild<QAbstractSpinBox*>("editDays");
            QCOMPARE(days->text(), QString("9"));
            days->findChild<QLineEdit*>()->setText("500");  // typed, not clamped
            QTest::keyClick(&o.dialog, close ? Qt::Key_Return : Qt::Key_Escape);
            QCOMPARE(o.settings.alwaysOnTop, close ? 1 : 0);
            QCOMPARE(o.settings.onceADay, close ? 0 : 1);
            QCOMPARE(o.settings.notify, close ? 1 : 0);
            QCOMPARE(o.settings.daily, close ? 0 : 1);
            QCOMPARE(o.settings.defaultDays, close ? 500 : 9);
            QCOMPARE(o.settings.defaultIcon, close ? -1 : 4);
        }
    }

    void newTakesTheDefaultsAsTheyStand() {
        Options o;
        o.dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>()->setText("3");
        o.editedName = "Carl";
        o.dialog.findChild<QPushButton*>("buttonNew")->click();
        QCOMPARE(o.shownIcon + "/" + o.shownDays, QString("4/3"));
        QCOMPARE(o.Column(0)[2], QString("Carl"));
        QVERIFY(o.dialog.changed);
        QCOMPARE(o.records.back()->skipYear, -1);
        o.editedName = "!";
        o.Select(0);
        o.Menu("New");
        QCOMPARE(o.records.size(), 8u);
    }

    void editKeepsTheRowSelectedWhereverItGoes() {
        Options o;
        o.records.front()->skipYear = 2026;  // "zoe", silenced
        o.Select(6);
        o.DoubleClick();  // OK without changes still counts
        QVERIFY(o.dialog.changed);
        QCOMPARE(o.records.front()->skipYear, -1);
        o.editedName = "Aaron";
        o.Menu("Edit");
        QCOMPARE(o.Column(0).first(), QString("Aaron"));
        QCOMPARE(o.Selected(), 0);
        QCOMPARE(o.Column(3).first(), QString("35"));

        Options cancelled;
        cancelled.editedName = "!";
        cancelled.Select(0);
        cancelled.DoubleClick();
        QCOMPARE(cancelled.Column(0).first(), QString("Anna"));
        QVERIFY(!cancelled.dialog.changed);
    }

    void deleteSelectsTheNextRowButNeverFromATextBox() {
        Options o;
        o.Select(2);
        QTest::keyClick(o.list, Qt::Key_Delete);
        QCOMPARE(o.Column(0), QStringList({"Anna", "bert", "no date", "no year", "ölaf", "zoe"}));
        QCOMPARE(o.Selected(), 2);
        QVERIFY(o.dialog.changed);
        o.Select(5);
        o.Menu("Delete");
        QCOMPARE(o.Selected(), 4);
        QCOMPARE(o.records.size(), 5u);
        auto* days = o.dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>();
        days->setFocus();
        days->setCursorPosition(0);
        QTest::keyClick(days, Qt::Key_Delete);
        QCOMPARE(o.records.size(), 5u);
    }

    void filterIgnoresCaseAndAccentsAndSurvivesASort_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("case") << "ANN" << QStringList{"Anna"};
        QTest::newRow("accent in the name") << "emi" << QStringList{"Émile"};
        QTest::newRow("accent typed") << "Ö" << QStringList{"no date", "no year", "ölaf", "zoe"};
        QTest::newRow("e-mail") << "muller" << QStringList{"bert"};
        QTest::newRow("not across name and e-mail") << "tb@" << QStringList{};
    }
    void filterIgnoresCaseAndAccentsAndSurvivesASort() {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        Options o;
        QTest::keyClicks(o.Filter(), typed);
        QCOMPARE(o.Column(0), shown);
        emit o.list->header()->sectionClicked(0);  // in this order already; the second reverses
        emit o.list->header()->sectionClicked(0);
        std::reverse(shown.begin(), shown.end());
        QCOMPARE(o.Column(0), shown);
    }

    void ctrlFFindsEscapeClearsThenCloses() {
        Options o;
        QTest::keyClick(&o.dialog, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(o.dialog.focusWidget(), o.Filter());
        QTest::keyClicks(o.Filter(), "zo");
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QCOMPARE(o.Column(0).size() + o.Filter()->text().size(), qsizetype(7));
        QVERIFY(o.dialog.isVisible());
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QVERIFY(!o.dialog.isVisible());
    }

    void commandsActOnTheShownRows() {
        Options o;
        o.Select(2);  // Émile
        QTest::keyClicks(o.Filter(), "l");
        QTest::keyClick(o.list, Qt::Key_Delete);
        QCOMPARE(o.list->selectedItems().value(0)->text(0), QString("ölaf"));
        QTest::keyClicks(o.Filter(), "x");  // hides ölaf, and so unselects it
        QTest::keyClick(o.list, Qt::Key_Delete);
        o.Menu("Delete");
        o.DoubleClick();
        QCOMPARE(o.records.size(), 6u);
        QCOMPARE(o.shownDays, QString());
    }

    void newAndEditClearTheFilterOnlyToShowTheirRecord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("kept");
        QTest::newRow("new, hidden") << "zz" << false << "Carl" << false;
        QTest::newRow("new, shown") << "CA" << false << "Carl" << true;
        QTest::newRow("renamed, hidden") << "ann" << true << "Zed" << false;
        QTest::newRow("renamed, shown") << "ann" << true << "Annabel" << true;
    }
    void newAndEditClearTheFilterOnlyToShowTheirRecord() {
        QFETCH(QString, typed);
        QFETCH(bool, edit);
        QFETCH(QString, name);
        QFETCH(bool, kept);
        Options o;
        QTest::keyClicks(o.Filter(), typed);
        o.editedName = name;
        o.Select(0);
        edit ? o.DoubleClick() : o.dialog.findChild<QPushButton*>("buttonNew")->click();
        QCOMPARE(o.Filter()->text(), kept ? typed : QString());
        QVERIFY(o.Column(0).contains(name));
    }

    void exportWritesTheCalendarOrSaysWhy() {
        Options o;
        TempDir dir;
        QString suggested, warning;
        Modal::warnHook = [&](const QString& text) { warning = text; };
        for (const QString& path : QStringList{dir.File("a.ics").c_str(), "/nonexistent/a.ics"}) {
            Modal::fileHook = [&](bool, const QString& shown) { return suggested = shown, path; };
            o.dialog.findChild<QPushButton*>("buttonExport")->click();
        }
        QCOMPARE(suggested, qEnvironmentVariable("HOME") + "/ovrana.ics");
        QVERIFY(ReadFile(dir.File("a.ics")).find("SUMMARY:Émile's birthday") != std::string::npos);
        QVERIFY(warning.contains("/nonexistent/a.ics: No such file or directory"));
    }

    void importAddsTheCheckedContactsWithTheDefaults_data() {
        QTest::addColumn<int>("unchecked");  // -1: none
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("added");  // then the OK button's text
        QTest::newRow("all") << -1 << 1
                             << QStringList{"Cy", "Cy's anniversary", "Di", "Import 3 records"};
        QTest::newRow("one unchecked") << 1 << 1 << QStringList{"Cy", "Di", "Import 2 records"};
        QTest::newRow("cancelled") << -1 << 0 << QStringList{"Import 3 records"};
    }
    void importAddsTheCheckedContactsWithTheDefaults() {
        QFETCH(int, unchecked);
        QFETCH(int, result);
        QFETCH(QStringList, added);
        Options o;
        o.dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>()->setText("3");
        QStringList shown, names;
        Modal::runHook = [&](QDialog& preview) {
            auto* rows = preview.findChild<QTreeWidget*>("importRows");
            rows->topLevelItem(std::max(unchecked, 0))
                ->setCheckState(0, unchecked < 0 ? Qt::Checked : Qt::Unchecked);
            for (auto* list : {rows, preview.findChild<QTreeWidget*>("skippedRows")}) {
                for (int i = 0; i < list->topLevelItemCount(); ++i) {
                    shown << list->topLevelItem(i)->text(1) + "," + list->topLevelItem(i)->text(2);
                }
            }
            names << preview.findChild<QPushButton*>("okButton")->text();
            return result;
        };
        o.Import(
            "BEGIN:VCARD\nVERSION:4.0\nFN:Cy\nEMAIL:c@example.org\nBDAY:19800512\n"
            "ANNIVERSARY:20050601\nEND:VCARD\nBEGIN:VCARD\nFN:Di\nBDAY:--0704\nEND:VCARD\n"
            "BEGIN:VCARD\nFN:Anna\nBDAY:19901207\nEND:VCARD\nBEGIN:VCARD\nFN:Eve\n"
            "BDAY:19801301\nEND:VCARD\nBEGIN:VCARD\nFN:Fay\nEND:VCARD\n");
        QCOMPARE(shown,
                 QStringList({"12/05/1980,c@example.org", "01/06/2005,c@example.org", "4 July,",
                              "already present,", "invalid date: 19801301,", "without a date,"}));
        for (auto it = std::next(o.records.begin(), 7); it != o.records.end(); ++it) {
            QCOMPARE((*it)->daysInAdvance * 100 + (*it)->icon, 304);
            names.insert(names.size() - 1, QString::fromStdString((*it)->name));
        }
        QCOMPARE(names, added);
        QCOMPARE(o.dialog.changed, result == 1);
        QCOMPARE(o.Column(0).size(), 6 + added.size());
    }

    void importOfABadFileSaysWhyAndAddsNothing() {
        Options o;
        QString warning;
        Modal::warnHook = [&](const QString& text) { warning += text + "|"; };
        for (const std::string& text : {std::string(4, '\0'), std::string("FN:Anna\n")}) {
            o.Import(text);
        }
        QCOMPARE(warning.count("c.vcf"), 2);
        QCOMPARE(o.records.size(), 7u);
        QVERIFY(!o.dialog.changed);
    }

    void noticeIsPlainTextAboveTheList() {
        Options o;
        auto* notice = o.dialog.findChild<QWidget*>("notice");
        QVERIFY(!notice->isVisible());
        o.dialog.notice = "The data file <b>x</b> could not be read.";
        o.dialog.OnInitDialog();
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->findChild<QLabel*>("noticeText")->textFormat(), Qt::PlainText);
        QVERIFY(notice->geometry().bottom() < o.list->geometry().top());
    }
};

QTEST_MAIN(TestOptionsDlg)
#include "test_options_dlg.moc"
