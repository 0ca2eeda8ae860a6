// SPDX-License-Identifier: MIT
#include <QTest>
#include <QtWidgets>

#include "Mnemonics.h"
#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "reminder/ReminderDlg.h"

class TestReminderDlg : public QObject {
    Q_OBJECT

private slots:
    // Each row with its record and picture. An e-mail changes nothing; silencing takes the first
    // selected row, down to the last one, the window open; a missed date's row silences its own
    // year; "tomorrow" puts the record off, not the data file. Menus are kept as "text=id|-|...".
    void rowsAndTheirMenu() {
        FakeText text;
        RecordList records;
        AppSettings settings;
        settings.dateFormat = "%d/%m/%y";
        settings.today = MakeDay(2026, 12, 29), settings.missed = 1, settings.lastRun = "20261220";
        CReminderDlg dlg{nullptr, &text};
        dlg.records = &records, dlg.settings = &settings;
        int command = 0;
        QStringList menus, warnings;
        QList<QUrl> opened;
        bool opens = true;
        Modal::menuHook = [&](QMenu& menu) {
            QStringList items;
            for (const QAction* a : menu.actions()) {
                items << (a->isSeparator() ? "-" : a->text() + "=" + a->data().toString());
            }
            menus << items.join('|');
            return command;
        };
        Modal::warnHook = [&](const QString& warning) { warnings << warning; };
        dlg.openUrl = [&](const QUrl& url) { return opened << url, opens; };
        // Due in `days` days; in 3 days that is Friday 1 January 2027.
        const auto add = [&](const std::string& name, int days, int icon, std::string email) {
            PersonRecord r = Record(name, 1, 1, 2000);
            r.age = 27, r.nextYear = 2027, r.daysUntil = days, r.icon = icon, r.email = email;
            return Append(records, r);
        };
        PersonRecord* cleo = add("cleo", 3, 7, "");
        add("Tom & Jerry", 0, 1, "tj+o'hara@example.org");
        PersonRecord* bob = add("bob", 1, 1, "");
        PersonRecord* dora = Append(records, Record("dora", 27, 12, 2000, -1));  // missed only
        QTreeWidget* list = dlg.findChild<QTreeWidget*>("list");
        const auto menu = [&](std::initializer_list<int> rows) {  // on the rows selected
            list->clearSelection();
            for (int row : rows) {
                list->topLevelItem(row)->setSelected(true);
            }
            emit list->customContextMenuRequested({});
        };
        QVERIFY(dlg.OnInitDialog());
        dlg.show();
        // Read on arrival: the focus on the first sentence, as a screen reader says it.
        QVERIFY(dlg.focusWidget() == list && list->currentIndex().row() == 0);
        QCOMPARE(MnemonicFaults(dlg), QStringList());
        QCOMPARE(list->topLevelItem(0)->text(0), " Dora turned 26 on Sunday 27/12/26 (2 days ago)");
        QCOMPARE(list->topLevelItem(3)->text(0), " Cleo will be 27 on Friday 01/01/27 (in 3 days)");
        QCOMPARE(list->topLevelItem(3)->icon(0).cacheKey(), RecordIcon(7).cacheKey());
        menu({});  // nothing selected: no menu
        menu({2});
        command = 5724;
        menu({1});
        opens = false;
        menu({1});
        command = 32772;
        menu({1});
        QVERIFY(!dlg.changed && settings.snoozed.size() == 1 && list->topLevelItemCount() == 3);
        command = 32771;
        menu({2, 1, 0});
        menu({1, 0});
        QVERIFY(dora->skipYear == 2026 && bob->skipYear == 2027 && cleo->skipYear == -1);
        QCOMPARE(RowRecord(list->topLevelItem(0)), cleo);
        while (list->topLevelItemCount() > 0) {
            menu({0});
        }
        QVERIFY(dlg.isVisible() && dlg.changed);
        const QString skip =
            "Don't remind me again until next year=32771|Remind me again tomorrow=32772";
        QCOMPARE(menus.mid(0, 2),
                 QStringList({skip,  // the name's & is text, not a mnemonic
                              skip + "|-|Email Tom && Jerry (tj+o'hara@example.org)=5724"}));
        QCOMPARE(opened.value(0).toEncoded(),
                 QByteArray("mailto:tj+o'hara@example.org?Subject=Happy%20Birthday!"));
        QVERIFY(warnings.size() == 1 && warnings[0].contains("write to tj+o'hara@example.org"));
        QTest::mouseClick(dlg.findChild<QPushButton*>("optionsButton"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible() && dlg.optionsRequested == 1);
    }
};

QTEST_MAIN(TestReminderDlg)
#include "test_reminder_dlg.moc"
