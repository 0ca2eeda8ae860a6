// SPDX-License-Identifier: MIT
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "reminder/ReminderDlg.h"

namespace {

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

class TestReminderDlg : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(TestReminderDlg)
#include "test_reminder_dlg.moc"
