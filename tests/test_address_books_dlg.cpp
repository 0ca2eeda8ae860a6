// SPDX-License-Identifier: MIT
#include <QPromise>
#include <QTest>
#include <QtWidgets>

#include "Mnemonics.h"
#include "TestSupport.h"
#include "accounts/AddressBooksDlg.h"
#include "controls/DialogKit.h"

namespace {

AddressBookCopy Copy(const std::string& url, const std::string& name) {
    AddressBookCopy copy;
    copy.url = url;
    copy.addedWith = "https://dav.example:8443/";
    copy.user = "anna";
    copy.displayName = name;
    return copy;
}

}  // namespace

class TestAddressBooksDlg : public QObject {
    Q_OBJECT

private slots:
    void whatARowSaysAndWhatCanStart() {
        AddressBookCopy copy = Copy("https://dav.example:8443/anna/family/", "Family");
        AddressBookRow row = DescribeAddressBook(copy);
        QCOMPARE(QStringList({row.name, row.account, row.lastSync, row.lastError}),
                 QStringList({"Family", "anna on dav.example:8443", "never", ""}));
        copy.lastSync = 1796644800;  // 7 December 2026, 12:00 UTC
        copy.lastError = {SyncProblem::Kind::Untrusted, "dav.example:8443", 0, "ab12", ""};
        row = DescribeAddressBook(copy);
        QCOMPARE(row.lastSync, QString("07/12/2026 12:00"));
        QVERIFY(row.lastError.contains("dav.example:8443"));
        PublishedCalendar published;
        published.url = "https://dav.example:8443/anna/birthdays/";
        published.user = "anna";
        published.displayName = "Birthdays";
        published.lastError = copy.lastError;
        row = DescribePublished(&published);
        QCOMPARE(row.name,
                 QString("Calendar Birthdays, anna on dav.example:8443, last sync: never"));
        QVERIFY(row.lastError.contains("dav.example:8443"));

        const SyncProblem fine;
        const SyncProblem untrusted = copy.lastError;
        SyncProblem unknown = untrusted;
        unknown.fingerprint.clear();  // nothing the user could check
        const struct {
            bool busy;
            std::size_t books;
            const SyncProblem* selected;
            bool published;
            AddressBookActions allowed;  // add, remove, sync, trust, publish, unpublish
        } rows[] = {
            {false, 0, nullptr, false, {true, false, false, false, true, false}},
            {false, 2, &fine, false, {true, true, true, false, true, false}},
            {false, 2, &untrusted, false, {true, true, true, true, true, false}},
            {false, 2, &unknown, false, {true, true, true, false, true, false}},
            {false, 0, nullptr, true, {true, false, true, false, true, true}},
            {true, 2, &untrusted, true, {}},
        };
        for (const auto& r : rows) {
            QVERIFY(AllowedActions(r.busy, r.books, r.selected, r.published) == r.allowed);
        }
    }

    // The dialog waits for a sync under way, and may close before it ends.
    void waitsForTheSyncUnderWay() {
        TempDir dir;
        WriteCopy(CopyPathFor(dir.File("books"), "https://dav.example/a/"),
                  Copy("https://dav.example/a/", "Family"));
        QPromise<void> sync;
        sync.start();
        auto dialog = std::make_unique<CAddressBooksDlg>(dir.File("books"), "", sync.future());
        auto* books = dialog->findChild<QTreeWidget*>("books");
        auto* add = dialog->findChild<QPushButton*>("buttonAdd");
        QTest::qWait(50);
        QVERIFY(!add->isEnabled() && books->topLevelItemCount() == 0);
        sync.finish();
        QTRY_COMPARE(books->topLevelItemCount(), 1);
        QVERIFY(add->isEnabled());
        CAddAddressBookDlg adding(dir.File("books"));
        CPublishCalendarDlg publishing({});
        QCOMPARE(MnemonicFaults(*dialog) + MnemonicFaults(adding) + MnemonicFaults(publishing),
                 QStringList());

        QPromise<void> second;
        second.start();
        dialog = std::make_unique<CAddressBooksDlg>(dir.File("books"), "", second.future());
        dialog.reset();
        second.finish();
        QTest::qWait(50);  // the list read for the closed dialog goes nowhere
    }

    // Remove asks first, and takes only the chosen book.
    void removeAsksAndTakesOnlyTheChosenBook() {
        TempDir dir;
        const std::string folder = dir.File("books");
        for (const char* name : {"a", "b"}) {
            const std::string url = std::string("https://dav.example/") + name + "/";
            WriteCopy(CopyPathFor(folder, url), Copy(url, name));
        }
        CAddressBooksDlg dialog(folder, "");
        auto* books = dialog.findChild<QTreeWidget*>("books");
        QTRY_COMPARE(books->topLevelItemCount(), 2);
        books->setCurrentItem(books->topLevelItem(1));
        QString asked;
        for (const bool yes : {false, true}) {
            Modal::askHook = [&](const QString& text) { return asked = text, yes; };
            dialog.findChild<QPushButton*>("buttonRemove")->click();
            QTRY_COMPARE(books->topLevelItemCount(), yes ? 1 : 2);
        }
        QVERIFY(asked.contains('b'));
        QCOMPARE(books->topLevelItem(0)->text(0), QString("a"));
        QCOMPARE(CopyFiles(folder).size(), std::size_t(1));
    }
};

QTEST_MAIN(TestAddressBooksDlg)
#include "test_address_books_dlg.moc"
