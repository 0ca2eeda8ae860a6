// SPDX-License-Identifier: MIT
#include <QHeaderView>
#include <QTest>

#include "controls/SortingListCtrl.h"

// The orders themselves are SortRules' table; here only what the widget adds.
class TestSortingListCtrl : public QObject {
    Q_OBJECT

private slots:
    void headerClicks() {
        CSortingListCtrl list;
        list.setHeaderLabels({"Name", "Days"});
        for (const QStringList& row : {QStringList{"bert", "10"}, {"Anna", "9"}, {"cleo", "-"}}) {
            new QTreeWidgetItem(&list, row);
        }
        QVERIFY(list.SetColumnTypes({LSORT_TEXT, LSORT_INTEGER}));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTreeWidgetItem* anna = list.topLevelItem(1);
        list.setCurrentItem(anna);
        const auto names = [&](int column) {
            QHeaderView* header = list.header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(column) + 5, 5});
            QString names;
            for (int i = 0; i < list.topLevelItemCount(); ++i) {
                names += list.topLevelItem(i)->text(0) + ' ';
            }
            return names;
        };
        QCOMPARE(names(1), "bert Anna cleo ");  // sorting is off until enabled
        list.EnableSort(true);
        QCOMPARE(names(1), "cleo Anna bert ");
        QCOMPARE(names(1), "bert Anna cleo ");  // the same header again reverses
        QCOMPARE(names(0), "Anna bert cleo ");  // another one starts ascending
        QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{anna});
        QCOMPARE(list.currentItem(), anna);
        QVERIFY(!list.SetColumnTypes({LSORT_TEXT, LSORT_LAST + 1}));  // rejects the whole list
        QCOMPARE(names(0), "Anna bert cleo ");
    }
};

QTEST_MAIN(TestSortingListCtrl)
#include "test_sorting_list_ctrl.moc"
