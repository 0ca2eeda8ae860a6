// SPDX-License-Identifier: MIT
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

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
    ~Reminder() { Modal::menuHook = nullptr, Modal::warnHook = nullptr; }
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
    void rowsWithTheirRecordsAndPictures() {
        Reminder r;
        PersonRecord& cleo = r.Add("cleo", 3, 7);
        PersonRecord& anna = r.Add("anna", 0, 2);
        r.Add("zed", 15);  // beyond its warning period
        QVERIFY(r.dlg.OnInitDialog());
        QCOMPARE(r.List()->topLevelItemCount(), 2);
        QCOMPARE(r.List()->topLevelItem(1)->text(0),
                 " Cleo will be 27 on Friday 01/01/27 (in 3 days)");
        QCOMPARE(QList<void*>({r.RecordAt(0), r.RecordAt(1)}), QList<void*>({&anna, &cleo}));
        QCOMPARE(r.List()->topLevelItem(1)->icon(0).cacheKey(), RecordIcon(7).cacheKey());
    }

    void nothingDueEndsBeforeShowing() {
        Reminder r;
        r.Add("zed", 20);
        bool ranModal = false;
        QTimer::singleShot(0, &r.dlg, [&] { ranModal = true, r.dlg.reject(); });
        QVERIFY(r.dlg.exec() == QDialog::Rejected && !ranModal);
    }

    // "Options..." asks for the Options dialog; OK and Enter accept.
    void closing() {
        for (const QString how : {"optionsButton", "okButton", "Enter"}) {
            Reminder r;
            r.Add("anna", 0);
            QTimer::singleShot(0, &r.dlg, [&] {
                how == "Enter"
                    ? QTest::keyClick(&r.dlg, Qt::Key_Return)
                    : QTest::mouseClick(r.dlg.findChild<QPushButton*>(how), Qt::LeftButton);
            });
            QCOMPARE(r.dlg.exec() * 2 + r.dlg.optionsRequested, how == "optionsButton" ? 1 : 2);
        }
    }

    // An e-mail changes nothing; silencing takes the first selected row, down to the last one,
    // and the window stays open.
    void recordMenu() {
        Reminder r;
        r.Add("Tom & Jerry", 0, 1, "tj+o'hara@example.org");
        PersonRecord& bob = r.Add("bob", 1);
        PersonRecord& cleo = r.Add("cleo", 3);
        bool stillOpen = false;
        QTimer::singleShot(0, &r.dlg, [&] {
            r.Menu({});  // nothing selected: no menu
            r.Menu({1});
            r.command = 5724;
            r.Menu({0});
            r.opens = false;
            r.Menu({0});
            stillOpen = !r.dlg.changed;
            r.command = 32771;
            r.Menu({2, 1});
            stillOpen =
                stillOpen && bob.skipYear == 2027 && cleo.skipYear == -1 && r.RecordAt(1) == &cleo;
            while (r.List()->topLevelItemCount() > 0) {
                r.Menu({0});
            }
            stillOpen = stillOpen && r.dlg.isVisible();
            r.dlg.accept();
        });
        QCOMPARE(r.dlg.exec(), int(QDialog::Accepted));
        QVERIFY(stillOpen && r.dlg.changed);
        QCOMPARE(r.menus.mid(0, 2),
                 QStringList({kSkipItem,  // the name's & is text, not a mnemonic
                              kSkipItem + "|-|Email Tom && Jerry (tj+o'hara@example.org)=5724"}));
        QCOMPARE(r.opened.value(0).toEncoded(),
                 QByteArray("mailto:tj+o'hara@example.org?Subject=Happy%20Birthday!"));
        QCOMPARE(r.warnings, QStringList("No e-mail program could be started to write to "
                                         "tj+o'hara@example.org."));
        QCOMPARE(r.records.front()->skipYear, 2027);
    }
};

QTEST_MAIN(TestReminderDlg)
#include "test_reminder_dlg.moc"
