// SPDX-License-Identifier: MIT
#include <QTest>
#include <QtWidgets>

#include "Mnemonics.h"
#include "TestSupport.h"
#include "contacts/ContactRecords.h"
#include "controls/DialogKit.h"
#include "list/SortRules.h"
#include "manage/OptionsDlg.h"

namespace {

constexpr DayNumber kToday = 20793;  // 6 December 2026

// An Options dialog over its own records, shown; menus and the Edit person dialog answer
// through the shared seams.
struct Options {
    RecordList records;
    AppSettings settings{0, 1, 0, 1, 9, 4, "", "%d/%m/%y"};
    COptionsDlg dialog;
    QTableView* list = nullptr;
    QString editedName;  // typed into the Edit person dialog before OK; "!": Cancel
    QString shown;       // the icon and days the Edit person dialog showed: "4/9"

    Options() {
        for (const char* name : {"zoe", "Anna", "ölaf", "bert", "Émile"}) {
            Append(records, Record(name, 7, 12, 1990));
        }
        Append(records, Record("no year", 24, 12, 0));
        Append(records, Record("no date", 0, 0, 0));
        (*std::next(records.begin(), 3))->email = "b@Müllerstraße.example";  // bert
        UpdateAllRecords(records, kToday);
        dialog.records = &records;
        dialog.settings = &settings;
        dialog.clock = [] { return kToday; };
        dialog.OnInitDialog();
        list = dialog.findChild<QTableView*>("list");
        Modal::menuHook = nullptr;  // no answer of an earlier test
        Modal::warnHook = nullptr;
        Modal::fileHook = nullptr;
        Modal::runHook = [this](QDialog& editor) {
            shown = QString::number(editor.findChild<QComboBox*>("comboIcon")->currentIndex()) +
                    "/" + editor.findChild<QLineEdit*>("editWarnDays")->text();
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
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QStringList Column(int column) const {  // of the rows shown
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            texts << list->model()->index(row, column).data().toString();
        }
        return texts;
    }
    QLineEdit* Filter() const { return dialog.findChild<QLineEdit*>("filterBox"); }
    QLineEdit* Days() const {
        return dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>();
    }
    void Click(const char* button) { dialog.findChild<QPushButton*>(button)->click(); }
    QString Selected() const {  // the name
        const auto rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? QString() : rows.front().data().toString();
    }
    void Select(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }  // shown
    void Import(const std::string& vcards) {  // through Import... from a file of `vcards`
        TempDir dir;
        WriteFile(dir.File("c.vcf"), vcards);
        Modal::fileHook = [&](bool, const QString&) { return QString(dir.File("c.vcf").c_str()); };
        Click("buttonImport");
    }
    void DoubleClick() { emit list->doubleClicked(list->currentIndex()); }
};

}  // namespace

class TestOptionsDlg : public QObject {
    Q_OBJECT

private slots:
    // Rows in name order with dashes for what is unknown; a notice as plain text above them.
    void whatTheDialogShows() {
        Options o;  // Anna, bert, Émile, no date, no year, ölaf, zoe
        QStringList rows;
        for (int column = 1; column < 5; ++column) {  // of Émile, no date, no year
            rows << o.Column(column).mid(2, 3).join(' ');
        }
        QCOMPARE(rows, QStringList({"07/12/26 - 24/12/26", "14 14 14", "35 - -", "1 - -"}));
        auto* notice = o.dialog.findChild<QWidget*>("notice");
        QVERIFY(!notice->isVisible());
        o.dialog.notice = "<b>x</b>";
        o.dialog.OnInitDialog();
        QCOMPARE(notice->findChild<QLabel*>("noticeText")->textFormat(), Qt::PlainText);
        QVERIFY(notice->isVisible() && notice->geometry().bottom() < o.list->geometry().top());
        QCOMPARE(MnemonicFaults(o.dialog), QStringList());
    }

    void closeStoresTheSwitchesEscapeDoesNot() {
        for (const bool close : {true, false}) {
            Options o;
            auto* time = o.dialog.findChild<QTimeEdit*>("editDailyAt");
            time->setTime(QTime(6, 30));
            for (const char* box :
                 {"checkOnTop", "checkOnceADay", "checkNotify", "checkDaily", "checkMissed"}) {
                o.dialog.findChild<QCheckBox*>(box)->toggle();
            }
            QVERIFY(!time->isEnabled());  // without the daily run
            o.dialog.findChild<QComboBox*>("comboIcon")->setCurrentIndex(-1);
            o.Days()->setText("500");  // typed, not clamped
            QTest::keyClick(&o.dialog, close ? Qt::Key_Return : Qt::Key_Escape);
            const AppSettings& s = o.settings;
            QCOMPARE(QList<int>({s.alwaysOnTop, s.onceADay, s.notify, s.daily, s.missed, s.dailyAt,
                                 s.defaultDays, s.defaultIcon}),
                     close ? QList<int>({1, 0, 1, 0, 1, 390, 500, -1})
                           : QList<int>({0, 1, 0, 1, 0, 540, 9, 4}));
        }
    }

    // From the keyboard too: Ctrl+N for New, Return or F2 on a row for Edit.
    void newAndEditTakeTheFormCancelChangesNothing() {
        Options o;
        o.records.front()->skipYear = 2026;  // "zoe", silenced
        o.Days()->setText("3");
        o.editedName = "!";
        QTest::keyClick(&o.dialog, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(o.shown, QString("4/3"));  // the defaults as they stand
        o.Select(6);
        QTest::keyClick(o.list, Qt::Key_Return);
        QVERIFY(o.records.size() == 7 && !o.dialog.changed && o.dialog.isVisible());
        o.editedName = "";
        QTest::keyClick(o.list, Qt::Key_F2);  // OK without changes still counts
        QVERIFY(o.dialog.changed && o.records.front()->skipYear == -1);
    }

    // Delete selects the next shown row, else the one before; never while a text box has the
    // key, and nothing acts on a row the filter hid.
    void deleteAndTheShownRows() {
        Options o;
        QTest::keyClicks(o.Filter(), "l");  // bert (by the address), Émile, ölaf
        o.Select(1);
        QTest::keyClick(o.list, Qt::Key_Delete);
        QCOMPARE(o.Column(0), QStringList({"bert", "ölaf"}));
        QVERIFY(o.Selected() == "ölaf" && o.dialog.changed);
        Modal::menuHook = [](QMenu& menu) { return menu.actions().at(2)->data().toInt(); };
        emit o.list->customContextMenuRequested({});  // Delete, the menu's third item
        QCOMPARE(o.Selected(), QString("bert"));
        o.Filter()->setFocus();
        QTest::keyClick(o.Filter(), Qt::Key_Delete);
        o.list->setFocus();
        QTest::keyClicks(o.Filter(), "x");  // hides bert, and so unselects it
        QTest::keyClick(o.list, Qt::Key_Delete);
        QCOMPARE(o.records.size(), 5u);
    }

    // A date from an address book is marked; its own fields are read-only, and it is not deleted.
    void addressBookRows() {
        Options o;
        const ContactOrigin origin{"", "Family", "u1", false, {}};
        o.records.front()->origin = &origin;  // zoe, the last row
        o.Select(6);
        QString fixed = o.list->currentIndex().data(Qt::ToolTipRole).toString();
        Modal::runHook = [&](QDialog& editor) {
            fixed += editor.findChild<QDateEdit*>("datePicker")->isReadOnly() ? " d" : "";
            fixed += editor.findChild<QLineEdit*>("editName")->isReadOnly() ? "n" : "";
            fixed += editor.findChild<QLabel*>("noteAddressBook")->isHidden() ? "" : "t";
            return int(QDialog::Rejected);
        };
        o.DoubleClick();
        Modal::menuHook = [&](QMenu& menu) {
            fixed += menu.actions().at(2)->isEnabled() ? "" : "x";
            return menu.actions().at(2)->data().toInt();
        };
        emit o.list->customContextMenuRequested({});
        QTest::keyClick(o.list, Qt::Key_Delete);
        QVERIFY(fixed == "From the address book Family dntx" && o.records.size() == 7);
    }

    // The filter looks in names and addresses, not across them, folded; Ctrl+F finds it. Header
    // clicks sort, the same one again reverses, another starts ascending; filter and selection
    // stay. Escape empties the box, then closes.
    void filterAndHeaderClicks() {
        Options o;
        Append(o.records, Record("Ole \u05e9", 0, 0, 0));  // shown in isolates, sorted as named
        o.dialog.OnInitDialog();
        const QString ole = "\u2068Ole \u05e9\u2069";
        const std::pair<QString, QStringList> rows[] = {
            {"muller", {"bert"}}, {"STRASSE", {"bert"}}, {"tb@", {}}};
        for (auto [typed, shown] : rows) {
            o.Filter()->setText(typed);
            QCOMPARE(o.Column(0), shown);
        }
        QTest::keyClick(&o.dialog, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(o.dialog.focusWidget(), "Ö");  // over the text, selected
        o.Select(2);                                    // ölaf
        QStringList orders;
        for (const int column : {1, 1, 0}) {
            QHeaderView* header = o.list->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(column) + 5, 5});
            orders << o.Column(0).join(' ');
        }
        QCOMPARE(orders,
                 QStringList({"ölaf zoe no year no date " + ole, "no year ölaf zoe no date " + ole,
                              "no date no year ölaf " + ole + " zoe"}));
        QCOMPARE(o.Selected(), QString("ölaf"));
        QCOMPARE(o.list->currentIndex().siblingAtColumn(0),
                 o.list->selectionModel()->selectedRows().value(0));
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QVERIFY(o.dialog.isVisible() && o.Column(0).size() == 8);
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QVERIFY(!o.dialog.isVisible());
    }

    // A long list in name order as a short one: case apart, equal beginnings past sixteen bytes,
    // equal names in the records' order (told apart by their warning days).
    void longListInNameOrder() {
        Options o;
        o.records.clear();
        std::vector<std::pair<std::string, int>> expected;
        unsigned seed = 1;
        const auto letters = [&seed](std::string& name) {  // up to three of "aBb "
            for (int n = (seed = seed * 1103515245 + 12345) >> 16 & 3; n-- > 0;) {
                name += "aBb "[(seed = seed * 1103515245 + 12345) >> 16 & 3];
            }
        };
        for (int i = 0; i < 150; ++i) {
            std::string name = i % 3 == 0 ? "Same start " : i % 3 == 1 ? "b" : "x";
            letters(name);
            if (i % 3 == 0) {
                letters(name += " past sixteen ");
            }
            Append(o.records, Record(name, 1, 1, 0, i));
            expected.emplace_back(FoldAsciiCase(name), i);
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        o.dialog.OnInitDialog();
        for (int row = 0; row < 150; ++row) {
            const auto& [name, days] = expected[std::size_t(row)];
            QCOMPARE(o.Column(0)[row].toLower() + o.Column(2)[row],
                     QString::fromStdString(name + std::to_string(days)));
        }
    }

    void newAndEditClearTheFilterOnlyToShowTheirRecord() {
        const std::tuple<QString, bool, QString, bool> rows[] = {
            // typed, Edit (or New), name, filter kept
            {"zz", false, "Carl", false},
            {"ann", true, "Zed", false},
            {"ann", true, "Annabel", true},
        };
        for (const auto& [typed, edit, name, kept] : rows) {
            Options o;
            QTest::keyClicks(o.Filter(), typed);
            o.editedName = name;
            o.Select(0);
            edit ? o.DoubleClick() : o.Click("buttonNew");
            QCOMPARE(o.Filter()->text(), kept ? typed : QString());
            QVERIFY(o.Column(0).contains(name) && o.dialog.changed);
            QVERIFY(!edit || o.Selected() == name);  // wherever the row went
        }
    }

    // Export writes the calendar or says why, and never over the records, even through a link.
    // Import adds nothing from a bad file or a cancelled preview; OK adds the contacts checked,
    // with the defaults as they stand.
    void exportAndImport() {
        Options o;
        TempDir dir;
        QString warning;
        Modal::warnHook = [&](const QString& text) { warning += text; };
        WriteFile(o.dialog.dataPath = dir.File("ovras.ini"), "kept");
        std::filesystem::create_symlink(o.dialog.dataPath, dir.File("cal.ics"));
        for (const QString& path : QStringList{dir.File("cal.ics").c_str(),
                                               dir.File("a.ics").c_str(), "/nonexistent/a.ics"}) {
            Modal::fileHook = [&](bool, const QString&) { return path; };
            o.Click("buttonExport");
        }
        QVERIFY(ReadFile(dir.File("a.ics")).find("SUMMARY:Émile's birthday") != std::string::npos);
        QVERIFY(warning.contains("/nonexistent/a.ics: No such file or directory"));
        QVERIFY(ReadFile(o.dialog.dataPath) == "kept" && warning.contains("cal.ics is the file"));
        o.Import("FN:Anna\n");
        QVERIFY(warning.contains("c.vcf: not a vCard file"));
        Modal::runHook = [](QDialog&) { return int(QDialog::Rejected); };
        o.Import("BEGIN:VCARD\nFN:Cy\nBDAY:19800512\nEND:VCARD\n");
        QVERIFY(o.records.size() == 7 && !o.dialog.changed);
        o.Days()->setText("3");
        QStringList shown;
        Modal::runHook = [&](QDialog& preview) {
            auto* ok = preview.findChild<QPushButton*>("okButton");
            auto* rows = preview.findChild<QTreeWidget*>("importRows");
            shown << ok->text();
            rows->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            shown << ok->text();
            for (auto* list : {rows, preview.findChild<QTreeWidget*>("skippedRows")}) {
                for (int i = 0; i < list->topLevelItemCount(); ++i) {
                    shown << list->topLevelItem(i)->text(1) + "," + list->topLevelItem(i)->text(2);
                }
            }
            return int(QDialog::Accepted);
        };
        o.Import(
            "BEGIN:VCARD\nVERSION:4.0\nFN:Di\nBDAY:--0704\nEND:VCARD\n"
            "BEGIN:VCARD\nFN:Cy\nEMAIL:c@example.org\nBDAY:19800512\nEND:VCARD\n"
            "BEGIN:VCARD\nFN:Anna\nBDAY:19901207\nEND:VCARD\n"
            "BEGIN:VCARD\nFN:Eve\nBDAY:19801301\nEND:VCARD\nBEGIN:VCARD\nFN:Fay\nEND:VCARD\n");
        QCOMPARE(shown, QStringList({"Import 2 records", "Import 1 record", "4 July,",
                                     "12/05/1980,c@example.org", "already present,",
                                     "invalid date: 19801301,", "without a date,"}));
        QCOMPARE(o.Column(0),
                 QStringList({"Anna", "bert", "Di", "Émile", "no date", "no year", "ölaf", "zoe"}));
        QCOMPARE(QList<int>({o.records.back()->icon, o.records.back()->daysInAdvance}),
                 QList<int>({4, 3}));
        QVERIFY(o.dialog.changed);
    }
};

QTEST_MAIN(TestOptionsDlg)
#include "test_options_dlg.moc"
