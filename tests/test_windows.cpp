// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "controls/WebLinkStatic.h"
#include "manage/EditPersonDlg.h"
#include "manage/OptionsDlg.h"
#include "reminder/ReminderDlg.h"

namespace {

constexpr DayNumber kToday = 20793;  // 6 December 2026

// An Options dialog over its own records, shown; menus and the Edit person dialog answer
// through the shared seams.
struct Options {
    RecordList records;
    AppSettings settings{0, 1, 0, 1, 9, 4, "", "%d/%m/%y"};
    COptionsDlg dialog;
    QTreeWidget* list = nullptr;
    QString editedName;  // typed into the Edit person dialog before OK; "!": Cancel
    QString shown;       // the icon and days the Edit person dialog showed: "4/9"

    Options() {
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
        if (!QTest::qWaitForWindowActive(&dialog)) {
            qFatal("the dialog did not open");
        }
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
    QLineEdit* Days() const {
        return dialog.findChild<QAbstractSpinBox*>("editDays")->findChild<QLineEdit*>();
    }
    void Click(const char* button) { dialog.findChild<QPushButton*>(button)->click(); }
    QString Selected() const {  // the name
        const auto rows = list->selectedItems();
        return rows.isEmpty() ? QString() : rows.front()->text(0);
    }
    void Select(int row) { list->setCurrentItem(list->topLevelItem(row)); }
    enum { kNew, kEdit, kDelete };
    void Menu(int item) {  // right-click, then that item of the menu
        Modal::menuHook = [item](QMenu& menu) { return menu.actions().at(item)->data().toInt(); };
        emit list->customContextMenuRequested({});
    }
    void Import(const std::string& vcards) {  // through Import... from a file of `vcards`
        TempDir dir;
        WriteFile(dir.File("c.vcf"), vcards);
        Modal::fileHook = [&](bool, const QString&) { return QString(dir.File("c.vcf").c_str()); };
        Click("buttonImport");
    }
    void DoubleClick() { emit list->itemDoubleClicked(list->currentItem(), 0); }
};

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

// A reminder window over its own records. Menus answer `command` and are kept as
// "text=id|-|..."; URLs are collected instead of opened.
struct Reminder {
    FakeText text;
    RecordList records;
    AppSettings settings;
    CReminderDlg dlg{nullptr, &text};
    int command = 0;
    QStringList menus, warnings;
    QList<QUrl> opened;
    bool opens = true;

    Reminder() {
        settings.dateFormat = "%d/%m/%y", dlg.records = &records, dlg.settings = &settings;
        Modal::menuHook = [this](QMenu& menu) {
            QStringList items;
            for (const QAction* a : menu.actions()) {
                items << (a->isSeparator() ? "-" : a->text() + "=" + a->data().toString());
            }
            menus << items.join('|');
            return command;
        };
        Modal::warnHook = [this](const QString& text) { warnings << text; };
        dlg.openUrl = [this](const QUrl& url) { return opened << url, opens; };
    }
    // Due in `days` days; in 3 days that is Friday 1 January 2027.
    PersonRecord& Add(const std::string& name, int days, int icon = 1, std::string email = {}) {
        PersonRecord r = Record(name, 1, 1, 2000);
        r.age = 27, r.nextYear = 2027, r.daysUntil = days, r.icon = icon, r.email = email;
        return *Append(records, r);
    }
    QTreeWidget* List() const { return dlg.findChild<QTreeWidget*>("list"); }
    void* RecordAt(int row) const { return RowRecord(List()->topLevelItem(row)); }
    void Menu(std::initializer_list<int> rows) {
        List()->clearSelection();
        for (int row : rows) {
            List()->topLevelItem(row)->setSelected(true);
        }
        emit List()->customContextMenuRequested({});
    }
};

const QString kSkipItem = "Don't remind me again until next year=32771";

}  // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {  // no answer outlives its test
        Modal::runHook = nullptr;
        Modal::menuHook = nullptr;
        Modal::warnHook = nullptr;
        Modal::fileHook = nullptr;
    }

    // Rows nearest first, each with its record and picture. An e-mail changes nothing;
    // silencing takes the first selected row, down to the last one, and the window stays open.
    void rowsAndTheirMenu() {
        Reminder r;
        PersonRecord& cleo = r.Add("cleo", 3, 7);
        PersonRecord& tom = r.Add("Tom & Jerry", 0, 1, "tj+o'hara@example.org");
        PersonRecord& bob = r.Add("bob", 1);
        QVERIFY(r.dlg.OnInitDialog());
        r.dlg.show();
        QCOMPARE(r.List()->topLevelItem(2)->text(0),
                 " Cleo will be 27 on Friday 01/01/27 (in 3 days)");
        QCOMPARE(r.List()->topLevelItem(2)->icon(0).cacheKey(), RecordIcon(7).cacheKey());
        QCOMPARE(QList<void*>({r.RecordAt(0), r.RecordAt(1), r.RecordAt(2)}),
                 QList<void*>({&tom, &bob, &cleo}));
        r.Menu({});  // nothing selected: no menu
        r.Menu({1});
        r.command = 5724;
        r.Menu({0});
        r.opens = false;
        r.Menu({0});
        QVERIFY(!r.dlg.changed);
        r.command = 32771;
        r.Menu({2, 1});
        QVERIFY(bob.skipYear == 2027 && cleo.skipYear == -1 && r.RecordAt(1) == &cleo);
        while (r.List()->topLevelItemCount() > 0) {
            r.Menu({0});
        }
        QVERIFY(r.dlg.isVisible() && r.dlg.changed);
        QCOMPARE(r.menus.mid(0, 2),
                 QStringList({kSkipItem,  // the name's & is text, not a mnemonic
                              kSkipItem + "|-|Email Tom && Jerry (tj+o'hara@example.org)=5724"}));
        QCOMPARE(r.opened.value(0).toEncoded(),
                 QByteArray("mailto:tj+o'hara@example.org?Subject=Happy%20Birthday!"));
        QCOMPARE(r.warnings, QStringList("No e-mail program could be started to write to "
                                         "tj+o'hara@example.org."));
        QTest::mouseClick(r.dlg.findChild<QPushButton*>("optionsButton"), Qt::LeftButton);
        QVERIFY(!r.dlg.isVisible() && r.dlg.optionsRequested == 1);
    }

    // The Options dialog.
    // Rows in name order with dashes for what is unknown; a notice as plain text above them.
    void whatTheDialogShows() {
        Options o;
        QCOMPARE(o.Column(0),
                 QStringList({"Anna", "bert", "Émile", "no date", "no year", "ölaf", "zoe"}));
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
    }

    void closeStoresTheSwitchesEscapeDoesNot() {
        for (const bool close : {true, false}) {
            Options o;
            for (const char* box : {"checkOnTop", "checkOnceADay", "checkNotify", "checkDaily"}) {
                o.dialog.findChild<QCheckBox*>(box)->toggle();
            }
            o.dialog.findChild<QComboBox*>("comboIcon")->setCurrentIndex(-1);
            o.Days()->setText("500");  // typed, not clamped
            QTest::keyClick(&o.dialog, close ? Qt::Key_Return : Qt::Key_Escape);
            const AppSettings& s = o.settings;
            QCOMPARE(QList<int>({s.alwaysOnTop, s.onceADay, s.notify, s.daily, s.defaultDays,
                                 s.defaultIcon}),
                     close ? QList<int>({1, 0, 1, 0, 500, -1}) : QList<int>({0, 1, 0, 1, 9, 4}));
        }
    }

    void newAndEditTakeTheFormCancelChangesNothing() {
        Options o;
        o.records.front()->skipYear = 2026;  // "zoe", silenced
        o.Days()->setText("3");
        o.editedName = "!";
        o.Click("buttonNew");
        QCOMPARE(o.shown, QString("4/3"));  // the defaults as they stand
        o.Select(6);
        o.DoubleClick();
        QVERIFY(o.records.size() == 7 && !o.dialog.changed);
        o.editedName = "";
        o.DoubleClick();  // OK without changes still counts
        QVERIFY(o.dialog.changed && o.records.front()->skipYear == -1);
        o.editedName = "Aaron";
        o.Menu(o.kEdit);
        QCOMPARE(o.Selected(), QString("Aaron"));  // wherever the row went
    }

    // Delete selects the next shown row, else the one before; never while a text box has the
    // key, and nothing acts on a row the filter hid.
    void deleteAndTheShownRows() {
        Options o;
        QTest::keyClicks(o.Filter(), "l");  // bert (by the address), Émile, ölaf
        o.Select(2);
        QTest::keyClick(o.list, Qt::Key_Delete);
        QCOMPARE(o.Column(0), QStringList({"bert", "ölaf"}));
        QCOMPARE(o.Selected(), QString("ölaf"));
        QVERIFY(o.dialog.changed);
        o.Menu(o.kDelete);
        QCOMPARE(o.Selected(), QString("bert"));
        o.Filter()->setFocus();
        QTest::keyClick(o.Filter(), Qt::Key_Delete);
        o.list->setFocus();
        QTest::keyClicks(o.Filter(), "x");  // hides bert, and so unselects it
        QTest::keyClick(o.list, Qt::Key_Delete);
        o.Menu(o.kDelete);
        o.DoubleClick();
        QCOMPARE(o.records.size(), 5u);
        QCOMPARE(o.shown, QString());
    }

    void filterIgnoresCaseAndAccents() {
        const std::pair<QString, QStringList> rows[] = {
            {"ANN", {"Anna"}},    {"emi", {"Émile"}}, {"Ö", {"no date", "no year", "ölaf", "zoe"}},
            {"muller", {"bert"}},  // the e-mail address
            {"tb@", {}},           // not across name and e-mail
        };
        for (auto [typed, shown] : rows) {
            Options o;
            QTest::keyClicks(o.Filter(), typed);
            QCOMPARE(o.Column(0), shown);
        }
    }

    // Ctrl+F finds. A header click sorts by the column's kind, the same header again reverses,
    // another one starts ascending; the filter and the selection stay (the orders are
    // SortRules' table). Escape empties the filter box, then closes.
    void filterKeysAndHeaderClicks() {
        Options o;
        o.Select(5);  // ölaf
        QTest::keyClick(&o.dialog, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(o.dialog.focusWidget(), "Ö");
        QStringList orders;
        for (const int column : {1, 1, 0}) {
            QHeaderView* header = o.list->header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(column) + 5, 5});
            orders << o.Column(0).join(' ');
        }
        QCOMPARE(orders, QStringList({"ölaf zoe no year no date", "no year ölaf zoe no date",
                                      "no date no year ölaf zoe"}));
        QCOMPARE(o.Selected(), QString("ölaf"));
        QCOMPARE(o.list->currentItem(), o.list->selectedItems().value(0));
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QVERIFY(o.dialog.isVisible() && o.Column(0).size() == 7);
        QTest::keyClick(o.Filter(), Qt::Key_Escape);
        QVERIFY(!o.dialog.isVisible());
    }

    void newAndEditClearTheFilterOnlyToShowTheirRecord() {
        const std::tuple<QString, bool, QString, bool> rows[] = {
            // typed, Edit (or New), name, filter kept
            {"zz", false, "Carl", false},
            {"CA", false, "Carl", true},
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
        }
    }

    void exportWritesTheCalendarOrSaysWhy() {
        Options o;
        TempDir dir;
        QString suggested, warning;
        Modal::warnHook = [&](const QString& text) { warning = text; };
        for (const QString& path : QStringList{dir.File("a.ics").c_str(), "/nonexistent/a.ics"}) {
            Modal::fileHook = [&](bool, const QString& shown) { return suggested = shown, path; };
            o.Click("buttonExport");
        }
        QCOMPARE(suggested, qEnvironmentVariable("HOME") + "/ovrana.ics");
        QVERIFY(ReadFile(dir.File("a.ics")).find("SUMMARY:Émile's birthday") != std::string::npos);
        QVERIFY(warning.contains("/nonexistent/a.ics: No such file or directory"));
    }

    void importAddsTheCheckedContactsWithTheDefaults() {
        Options o;
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

    void importOfABadFileOrCancelledAddsNothing() {
        Options o;
        QString warning;
        Modal::warnHook = [&](const QString& text) { warning += text + "|"; };
        for (const std::string& text : {std::string(4, '\0'), std::string("FN:Anna\n")}) {
            o.Import(text);
        }
        QCOMPARE(warning.count("c.vcf"), 2);
        Modal::runHook = [](QDialog&) { return int(QDialog::Rejected); };
        o.Import("BEGIN:VCARD\nFN:Cy\nBDAY:19800512\nEND:VCARD\n");
        QCOMPARE(o.records.size(), 7u);
        QVERIFY(!o.dialog.changed);
    }

    // The Edit person dialog, as New and Edit open it.
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
        });
        other.notABirthday = 7;  // from a hand-edited file: kept unless the box is clicked
        RunAndOk(other, [&] { QCOMPARE(Text(other, "labelDate"), QString("Birth date:")); });
        QCOMPARE(QList<int>({dialog.notABirthday, other.notABirthday}), QList<int>({0, 7}));
    }

    void badInputIsRefusedAndKeepsTheRecord() {
        const std::tuple<QString, QString, bool> rows[] = {
            // days, e-mail, refused with a warning
            {"0", "a@example.org", false},  {"365", "", false}, {"366", "", true}, {"", "", true},
            {"5", "a,b@example.org", true},
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

    // Each picture has ink and is drawn for a high-DPI screen's pixels, not scaled up from 16.
    void iconSet() {
        QImage blank(32, 32, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        for (int i = -1; i < kRecordIconCount; ++i) {  // -1: the program's own
            const QIcon icon = i < 0 ? AppIcon() : RecordIcon(i);
            const QImage sharp =
                icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(sharp.size(), QSize(32, 32));
            QVERIFY(sharp != blank && sharp != icon.pixmap(16, 16).toImage().scaled(32, 32));
        }
        QVERIFY(RecordIcon(-1).isNull() && RecordIcon(kRecordIconCount).isNull());
    }

    // The desktop, the browsers (missing unless in `results`) and the message box are stand-ins.
    void webLinkOpeningAndColours() {
        CWebLinkStatic label{"Ovrana home page"};
        bool desktopOpens = false;
        QList<QStringList> started;
        QMap<QString, int> results;
        QStringList messages;
        label.SetLink("https://example.org/ovrana page");
        label.openUrl = [&](const QUrl&) { return desktopOpens; };
        label.startProcess = [&](const QString& program, const QStringList& arguments) {
            started.append(QStringList{program} + arguments);
            return results.value(program, CWebLinkStatic::kFileNotFound);
        };
        Modal::warnHook = [&](const QString& text) { messages.append(text); };
        label.show();
        const auto click = [&] {
            QTest::mouseClick(&label, Qt::LeftButton);
            return label.palette().color(QPalette::WindowText);
        };
        const QString address = "https://example.org/ovrana%20page";
        const QColor normal(0, 0, 238), visited(85, 26, 139);

        qputenv("BROWSER", "mybrowser --new-window \"%s\" --100%%:other");
        QCOMPARE(click(), normal);
        qunsetenv("BROWSER");
        QCOMPARE(started, QList<QStringList>({{"mybrowser", "--new-window", address, "--100%"},
                                              {"other", address},
                                              {"x-www-browser", address},
                                              {"sensible-browser", address},
                                              {"xdg-open", address}}));
        QVERIFY(messages.size() == 1 && messages[0].contains("no application associated"));
        started.clear(), messages.clear();
        QTest::mouseClick(&label, Qt::RightButton);

        desktopOpens = true;
        QCOMPARE(click(), visited);
        QVERIFY(started.isEmpty() && messages.isEmpty());

        // A browser that cannot run is the failure worth reporting; a failure forgets the visit.
        desktopOpens = false;
        results = {{"x-www-browser", CWebLinkStatic::kAccessDenied}};
        QCOMPARE(click(), normal);
        QVERIFY(messages.size() == 1 && messages[0].contains("denied\naccess"));

        started.clear();  // nothing a browser could take for one of its options is passed on
        for (const char* text : {"  ", "--kiosk", "-x.example.org", "www.example.org"}) {
            label.SetLink(text);
            click();
        }
        QCOMPARE(started.value(0).value(1), QString("http://www.example.org"));

        started.clear();  // the first browser that starts ends the search
        results = {{"sensible-browser", CWebLinkStatic::kOpened}};
        QCOMPARE(click(), visited);
        QCOMPARE(started.size(), 2);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&label, &enter);  // hover wins over visited
        QVERIFY(label.palette().color(QPalette::WindowText) != visited);
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
