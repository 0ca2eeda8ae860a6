// SPDX-License-Identifier: MIT
#include <QEnterEvent>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "controls/SortingListCtrl.h"
#include "controls/WebLinkStatic.h"

namespace {

// Name, Birthday, Warn, Age today, Days, as the Options dialog fills them.
const QList<QStringList> kRows = {
    {"Anna", "04/12/06", "14", "30", "3"},
    {"bert", "03/01/07", "7", "-", "-"},
    {"Ölaf", "29/02/08", "21", "16", "45"},
    {"ölaf", "01/03/07", "30", "9", "10"},
    {"Zoe", "", "2", "41", "-"},
    {"anna", "04/12/06", "14", "-", "3"},
};

quintptr RecordOf(int row) {
    return 0x1000 + static_cast<quintptr>(row) * 0x40;
}

void Fill(CSortingListCtrl& list) {
    list.setHeaderLabels({"Name", "Birthday", "Warn", "Age today", "Days"});
    for (int i = 0; i < kRows.size(); ++i) {
        auto* item = new QTreeWidgetItem(&list, kRows[i]);
        item->setData(0, Qt::UserRole, QVariant::fromValue(RecordOf(i)));
    }
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        texts.append(list.topLevelItem(i)->text(column));
    }
    return texts;
}

// Every row still carries the record it was given, whatever its place now.
bool RecordsIntact(const QTreeWidget& list) {
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        const QStringList texts = {item->text(0), item->text(1), item->text(2), item->text(3),
                                   item->text(4)};
        if (item->data(0, Qt::UserRole).value<quintptr>() != RecordOf(kRows.indexOf(texts))) {
            return false;
        }
    }
    return true;
}

void ClickHeader(CSortingListCtrl& list, int column, Qt::MouseButton button = Qt::LeftButton) {
    QHeaderView* header = list.header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), button, Qt::NoModifier, centre);
}

// A label whose desktop, processes and message box are all stand-ins.
struct FakeLink {
    CWebLinkStatic label{"Ovrana home page"};
    bool desktopOpens = false;
    QList<QUrl> opened;
    QList<QStringList> started;  // program, then arguments
    QMap<QString, int> results;  // per program; missing ones are not found
    QStringList messages;

    FakeLink() {
        label.SetLink("https://example.org/ovrana page");
        label.openUrl = [this](const QUrl& url) {
            opened.append(url);
            return desktopOpens;
        };
        label.startProcess = [this](const QString& program, const QStringList& arguments) {
            started.append(QStringList{program} + arguments);
            return results.value(program, CWebLinkStatic::kFileNotFound);
        };
        label.showMessage = [this](const QString& text) { messages.append(text); };
        label.show();
    }

    void Click() { QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2)); }
    QColor Colour() const { return label.palette().color(QPalette::WindowText); }
};

const QString kAddress = "https://example.org/ovrana%20page";

}  // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("BROWSER"); }

    void headerClicksSortByTheColumnsRule() {
        CSortingListCtrl list;
        Fill(list);
        list.SetDatePattern("%d/%m/%y");
        QVERIFY(list.SetColumnTypes(
            {LSORT_TEXT, LSORT_DAYMONTH, LSORT_INTEGER, LSORT_INTEGER, LSORT_INTEGER}));
        QCOMPARE(list.EnableSort(true), false);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTreeWidgetItem* bert = list.topLevelItem(1);
        list.setCurrentItem(bert);

        // Birthday: month and day only, the empty date last; equal dates keep their order.
        ClickHeader(list, 1);
        QCOMPARE(Column(list, 0), QStringList({"bert", "Ölaf", "ölaf", "Anna", "anna", "Zoe"}));
        QCOMPARE(list.SortColumn(), 1);
        QVERIFY(list.IsSortAscending());
        QVERIFY(list.header()->isSortIndicatorShown());
        QCOMPARE(list.header()->sortIndicatorSection(), 1);
        QCOMPARE(list.header()->sortIndicatorOrder(), Qt::AscendingOrder);

        ClickHeader(list, 1);
        QCOMPARE(Column(list, 0), QStringList({"Anna", "anna", "ölaf", "Ölaf", "bert", "Zoe"}));
        QVERIFY(!list.IsSortAscending());
        QCOMPARE(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);

        // Another column starts ascending; case does not count, also beyond ASCII.
        ClickHeader(list, 0);
        QCOMPARE(Column(list, 0), QStringList({"Anna", "anna", "bert", "ölaf", "Ölaf", "Zoe"}));
        QVERIFY(list.IsSortAscending());
        ClickHeader(list, 0);
        QCOMPARE(Column(list, 0), QStringList({"Zoe", "ölaf", "Ölaf", "bert", "Anna", "anna"}));

        // Days: "-" counts as 0, 10 after 9.
        ClickHeader(list, 4);
        QCOMPARE(Column(list, 4), QStringList({"-", "-", "3", "3", "10", "45"}));
        QCOMPARE(Column(list, 0), QStringList({"Zoe", "bert", "Anna", "anna", "ölaf", "Ölaf"}));
        QVERIFY(RecordsIntact(list));
        // The rows went out and came back: the user's row is still the selected, current one.
        QCOMPARE(list.currentItem(), bert);
        QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{bert});
    }

    void clicksThatMustNotSort() {
        CSortingListCtrl list;
        Fill(list);
        list.SetColumnTypes({LSORT_TEXT, LSORT_DAYMONTH, LSORT_INTEGER});
        list.EnableSort(true);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        ClickHeader(list, 2);
        const QStringList sorted = Column(list, 0);
        auto unchanged = [&] {
            return Column(list, 0) == sorted && list.SortColumn() == 2 && list.IsSortAscending() &&
                   list.header()->sortIndicatorSection() == 2 &&
                   list.header()->sortIndicatorOrder() == Qt::AscendingOrder;
        };

        ClickHeader(list, 0, Qt::RightButton);
        ClickHeader(list, 2, Qt::RightButton);
        ClickHeader(list, 0, Qt::MiddleButton);
        QVERIFY(unchanged());

        QCOMPARE(list.EnableSort(false), true);
        ClickHeader(list, 0);
        ClickHeader(list, 2);
        QVERIFY(unchanged());
        list.EnableSort(true);

        // Columns 3 and 4 have no type.
        ClickHeader(list, 3);
        QVERIFY(unchanged());

        // A type above 6 rejects the whole list: no column sorts any more.
        QVERIFY(!list.SetColumnTypes({LSORT_TEXT, 7}));
        QVERIFY(list.ColumnTypes().empty());
        ClickHeader(list, 0);
        QVERIFY(unchanged());

        // A column without order remembers the click but moves nothing.
        QVERIFY(list.SetColumnTypes({LSORT_NONE}));
        ClickHeader(list, 0);
        QCOMPARE(Column(list, 0), sorted);
        QCOMPARE(list.SortColumn(), 0);
        QVERIFY(RecordsIntact(list));
    }

    void linkTextAddressAndColours() {
        CWebLinkStatic named("www.example.org");
        QCOMPARE(named.GetLink(), QString("www.example.org"));
        named.SetLink("https://example.org/");
        QCOMPARE(named.text(), QString("www.example.org"));
        QCOMPARE(named.toolTip(), QString("https://example.org/"));
        QVERIFY(named.font().underline());
        CWebLinkStatic empty;
        empty.SetLink("https://example.org/");
        QCOMPARE(empty.text(), QString("https://example.org/"));
        CWebLinkStatic fromForm;  // a form sets the text after construction
        fromForm.setText("www.example.org");
        QCOMPARE(fromForm.GetLink(), QString("www.example.org"));

        // Hover wins over visited; leaving restores the link's own colour.
        FakeLink link;
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QEvent leave(QEvent::Leave);
        QCOMPARE(link.Colour(), link.label.m_crNormal);
        link.label.MarkVisited(true);
        QCOMPARE(link.Colour(), link.label.m_crVisited);
        QCoreApplication::sendEvent(&link.label, &enter);
        QCOMPARE(link.Colour(), link.label.m_crHover);
        QCoreApplication::sendEvent(&link.label, &leave);
        QCOMPARE(link.Colour(), link.label.m_crVisited);
    }

    void fallbackTriesEveryBrowserInOrder() {
        qputenv("BROWSER", "mybrowser --new-window \"%s\" --100%%:other");
        FakeLink link;
        link.Click();
        QCOMPARE(link.opened, QList<QUrl>{QUrl(kAddress)});
        QCOMPARE(link.started.size(), 5);
        QCOMPARE(link.started[0], QStringList({"mybrowser", "--new-window", kAddress, "--100%"}));
        const QStringList programs = {"other", "x-www-browser", "sensible-browser", "xdg-open"};
        for (int i = 1; i < 5; ++i) {
            QCOMPARE(link.started[i], QStringList({programs[i - 1], kAddress}));
        }
        // No browser anywhere: the "no application" box.
        QCOMPARE(link.messages,
                 QStringList{"Unable to open hyperlink:\n\nThere is no application associated\n"
                             "with the given filename extension."});
        QVERIFY(!link.label.IsVisited());
    }

    void clickOutcomes() {
        FakeLink link;
        link.desktopOpens = true;
        link.Click();
        QVERIFY(link.started.isEmpty() && link.messages.isEmpty());
        QVERIFY(link.label.IsVisited());
        QTest::mouseClick(&link.label, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(link.opened.size(), 1);

        // The first browser that starts ends the search.
        link.desktopOpens = false;
        link.results["sensible-browser"] = CWebLinkStatic::kOpened;
        link.Click();
        QCOMPARE(link.started.size(), 2);
        QVERIFY(link.messages.isEmpty());

        // A browser that exists but cannot run is the failure worth reporting, and a failure
        // forgets the earlier visit.
        link.results = {{"x-www-browser", CWebLinkStatic::kAccessDenied}};
        link.Click();
        QCOMPARE(link.messages, QStringList{CWebLinkStatic::OpenErrorText(5)});
        QVERIFY(!link.label.IsVisited());
        QCOMPARE(link.Colour(), link.label.m_crNormal);

        // Nothing a browser could take for an address, or for one of its options, is passed on.
        link.started.clear();
        for (const char* text : {"", "  ", "--kiosk", "-x.example.org"}) {
            QCOMPARE(link.label.OpenLink(text), CWebLinkStatic::kFileNotFound);
        }
        QVERIFY(link.started.isEmpty());
        link.label.OpenLink("www.example.org");
        QCOMPARE(link.started.front().back(), QString("http://www.example.org"));
    }

    void errorTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("26 ends in a blank") << 26 << "A sharing violation occurred. ";
        QTest::newRow("30") << 30
                            << "The DDE transaction could not\nbe completed because other DDE "
                               "transactions\nwere being processed.";
        QTest::newRow("1") << 1 << "Unknown Error (1) occurred.";
    }

    void errorTexts() {
        QFETCH(int, code);
        QFETCH(QString, reason);
        QCOMPARE(CWebLinkStatic::OpenErrorText(code), "Unable to open hyperlink:\n\n" + reason);
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
