// SPDX-License-Identifier: MIT
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "TestSupport.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "reminder/ReminderDlg.h"

namespace {

// A reminder window over records of its own. Its menus answer `command` and are remembered as
// "text=id|-|..."; URLs are collected instead of opened.
struct Reminder {
    FakeText text;
    RecordList records;
    AppSettings settings;
    CReminderDlg dlg{nullptr, &text};
    int command = 0;
    QStringList menus;
    QList<QUrl> opened;
    bool opens = true;  // whether a mail program starts
    QStringList warnings;

    Reminder() {
        settings.dateFormat = "%d/%m/%y";
        dlg.records = &records;
        dlg.settings = &settings;
        Modal::menuHook = [this](QMenu& menu) {
            QStringList items;
            for (const QAction* action : menu.actions()) {
                items << (action->isSeparator() ? "-"
                                                : action->text() + "=" + action->data().toString());
            }
            menus << items.join('|');
            return command;
        };
        dlg.openUrl = [this](const QUrl& url) {
            opened << url;
            return opens;
        };
        Modal::warnHook = [this](const QString& text) { warnings << text; };
    }
    ~Reminder() {
        Modal::menuHook = nullptr;
        Modal::warnHook = nullptr;
    }
    // Due in `daysUntil` days; in 3 days that is Friday 1 January 2027.
    PersonRecord& Add(const std::string& name, int daysUntil, int icon = 1,
                      const std::string& email = {}) {
        PersonRecord record = Record(name, 1, 1, 2000);
        record.age = 27;
        record.nextYear = 2027;
        record.daysUntil = daysUntil;
        record.icon = icon;
        record.email = email;
        return *Append(records, record);
    }
    QTreeWidget* List() const { return dlg.findChild<QTreeWidget*>("list"); }
    void* RecordAt(int row) const { return RowRecord(List()->topLevelItem(row)); }
    void Menu() { emit List()->customContextMenuRequested({}); }
    void Select(std::initializer_list<int> rows) const {
        List()->clearSelection();
        for (const int row : rows) {
            List()->topLevelItem(row)->setSelected(true);
        }
    }
    void Click(const char* button) {
        QTest::mouseClick(dlg.findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

QImage Picture(const QIcon& icon, qreal scale = 1.0) {
    return icon.pixmap(QSize(16, 16), scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasInk(const QImage& image) {
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image != blank;
}

const QString kSkipItem = "Don't remind me again until next year=32771";

}  // namespace

class TestReminderDlg : public QObject {
    Q_OBJECT

private slots:
    void rowsNearestFirstWithTheirPictures() {
        Reminder r;
        PersonRecord& cleo = r.Add("cleo", 3, 7);
        PersonRecord& anna = r.Add("anna", 0, 2);
        PersonRecord& eve = r.Add("eve", 0, 17);  // same day, later in the list: above anna
        r.Add("zed", 15);                         // beyond its warning period
        QVERIFY(r.dlg.OnInitDialog());
        const QStringList texts{" eve is 27 today", " anna is 27 today",
                                " Cleo will be 27 on Friday 01/01/27 (in 3 days)"};
        const QList<void*> order{&eve, &anna, &cleo};
        QCOMPARE(r.List()->topLevelItemCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(r.List()->topLevelItem(row)->text(0), texts[row]);
            QCOMPARE(r.RecordAt(row), order[row]);
        }
        QVERIFY(!HasInk(Picture(r.List()->topLevelItem(0)->icon(0))));  // index 17: none
        QCOMPARE(Picture(r.List()->topLevelItem(1)->icon(0)), Picture(RecordIcon(2)));
        QCOMPARE(Picture(r.List()->topLevelItem(2)->icon(0)), Picture(RecordIcon(7)));
    }

    void nothingDueEndsBeforeShowing() {
        Reminder r;
        r.Add("zed", 20);
        r.dlg.changed = true;
        bool returned = false, ranModal = false;
        QTimer::singleShot(0, &r.dlg, [&] {
            ranModal = !returned || r.dlg.isVisible();
            r.dlg.reject();
        });
        QCOMPARE(r.dlg.exec(), int(QDialog::Rejected));
        returned = true;
        QCoreApplication::processEvents();
        QVERIFY(!ranModal);
        QCOMPARE(r.dlg.optionsRequested, 0);
        QCOMPARE(r.dlg.changed, false);
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("optionsRequested");
        QTest::newRow("Options...") << "optionsButton" << int(QDialog::Rejected) << 1;
        QTest::newRow("OK") << "okButton" << int(QDialog::Accepted) << 0;
        QTest::newRow("Enter") << "enter" << int(QDialog::Accepted) << 0;
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected) << 0;
        QTest::newRow("close box") << "close" << int(QDialog::Rejected) << 0;
    }
    void closing() {
        QFETCH(QString, how);
        Reminder r;
        r.Add("anna", 0);
        bool shown = false;
        QTimer::singleShot(0, &r.dlg, [&] {
            shown = r.dlg.isVisible();
            if (how.endsWith("Button")) {
                r.Click(qPrintable(how));
            } else if (how == "close") {
                r.dlg.close();
            } else {
                QTest::keyClick(&r.dlg, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        QTEST(r.dlg.exec(), "result");
        QVERIFY(shown);
        QTEST(r.dlg.optionsRequested, "optionsRequested");
        QCOMPARE(r.dlg.changed, false);
    }

    void recordMenuAndEmail() {
        Reminder r;
        r.Add("anna", 0);
        PersonRecord& tom = r.Add("Tom & Jerry", 1, 1, "tj+o'hara@example.org");
        QVERIFY(r.dlg.OnInitDialog());
        r.Menu();  // nothing selected: no menu
        r.Select({0});
        r.Menu();
        r.Select({1});
        r.command = 5724;
        emit r.List()->itemDoubleClicked(r.List()->topLevelItem(1), 0);
        QCOMPARE(r.menus,
                 QStringList({kSkipItem,  // the name's & is text, not a mnemonic
                              kSkipItem + "|-|Email Tom && Jerry (tj+o'hara@example.org)=5724"}));
        QCOMPARE(r.opened.value(0).toEncoded(),
                 QByteArray("mailto:tj+o'hara@example.org?Subject=Happy%20Birthday!"));
        QVERIFY(r.warnings.isEmpty());
        // An address cannot add recipients or headers; a mail program that fails is reported.
        tom.email = "x@y.org?cc=z@evil.org";
        r.opens = false;
        emit r.List()->itemDoubleClicked(r.List()->topLevelItem(1), 0);
        QCOMPARE(r.opened.value(1).toEncoded(),
                 QByteArray("mailto:x@y.org%3Fcc%3Dz@evil.org?Subject=Happy%20Birthday!"));
        QCOMPARE(r.warnings, QStringList("No e-mail program could be started to write to "
                                         "x@y.org?cc=z@evil.org."));
        QCOMPARE(r.List()->topLevelItemCount(), 2);
        QCOMPARE(tom.skipYear, -1);
        QVERIFY(!r.dlg.changed);
    }

    // Dismissing changes nothing; silencing takes the lowest selected row, down to the last one,
    // and the window stays open until OK.
    void silencingRows() {
        Reminder r;
        PersonRecord& anna = r.Add("anna", 0);
        PersonRecord& bob = r.Add("bob", 1);
        PersonRecord& cleo = r.Add("cleo", 3);
        bool stillOpen = false;
        QTimer::singleShot(0, &r.dlg, [&] {
            const auto closeAnyway = qScopeGuard([&] {
                if (r.dlg.isVisible()) {
                    r.dlg.reject();  // a failed check must not leave the dialog waiting
                }
            });
            r.Select({2, 1});
            r.Menu();
            QVERIFY(!r.dlg.changed);
            r.command = 32771;
            r.Menu();
            QCOMPARE(bob.skipYear, 2027);
            QCOMPARE(cleo.skipYear, -1);
            QCOMPARE(QList<void*>({r.RecordAt(0), r.RecordAt(1)}), QList<void*>({&anna, &cleo}));
            QVERIFY(r.dlg.changed);
            while (r.List()->topLevelItemCount() > 0) {
                r.Select({0});
                r.Menu();
            }
            stillOpen = r.dlg.isVisible();
            r.Click("okButton");
        });
        QCOMPARE(r.dlg.exec(), int(QDialog::Accepted));
        QVERIFY(stillOpen);
        QCOMPARE(anna.skipYear + cleo.skipYear, 2 * 2027);
        QVERIFY(r.dlg.changed);
        QCOMPARE(r.records.size(), std::size_t(3));
    }
};

QTEST_MAIN(TestReminderDlg)
#include "test_reminder_dlg.moc"
