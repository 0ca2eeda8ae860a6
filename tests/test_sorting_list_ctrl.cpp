// SPDX-License-Identifier: MIT
#include <QHeaderView>
#include <QTest>

#include "controls/DialogKit.h"
#include "controls/SortingListCtrl.h"
#include "model/PersonRecord.h"

// The orders themselves are SortRules' table; here only what the widget adds.
class TestSortingListCtrl : public QObject {
    Q_OBJECT

    static QStringList Names(const QTreeWidget& list) {
        QStringList names;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            names << list.topLevelItem(i)->text(0);
        }
        return names;
    }
    static void Click(CSortingListCtrl& list, int column, Qt::MouseButton button = Qt::LeftButton) {
        QHeaderView* header = list.header();
        const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                            header->height());
        QTest::mouseClick(header->viewport(), button, Qt::NoModifier, section.center());
    }

private slots:
    void headerClickSortsRowsWholeAndShowsNoMark() {
        CSortingListCtrl list;
        list.setHeaderLabels({"Name", "Days"});
        PersonRecord records[3];
        const QList<QStringList> rows = {{"bert", "10"}, {"Anna", "9"}, {"cleo", "-"}};
        for (int i = 0; i < 3; ++i) {
            SetRowRecord(*new QTreeWidgetItem(&list, rows[i]), &records[i]);
        }
        QVERIFY(list.SetColumnTypes({LSORT_TEXT, LSORT_INTEGER}));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTreeWidgetItem* anna = list.topLevelItem(1);
        list.setCurrentItem(anna);

        Click(list, 1);  // sorting is off until enabled
        QCOMPARE(Names(list), QStringList({"bert", "Anna", "cleo"}));
        list.EnableSort(true);
        Click(list, 1, Qt::RightButton);
        QCOMPARE(Names(list), QStringList({"bert", "Anna", "cleo"}));
        Click(list, 1);
        QCOMPARE(Names(list), QStringList({"cleo", "Anna", "bert"}));
        Click(list, 1);  // the same header again reverses
        QCOMPARE(Names(list), QStringList({"bert", "Anna", "cleo"}));
        Click(list, 0);  // another header starts ascending
        QCOMPARE(Names(list), QStringList({"Anna", "bert", "cleo"}));
        QVERIFY(!list.header()->isSortIndicatorShown());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(RowRecord(list.topLevelItem(i)),
                     &records[rows.indexOf(
                         {list.topLevelItem(i)->text(0), list.topLevelItem(i)->text(1)})]);
        }
        QCOMPARE(list.currentItem(), anna);
        QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{anna});
        QVERIFY(!list.SetColumnTypes({LSORT_TEXT, LSORT_LAST + 1}));  // rejects the whole list
        Click(list, 0);
        QCOMPARE(Names(list), QStringList({"Anna", "bert", "cleo"}));
    }
};

QTEST_MAIN(TestSortingListCtrl)
#include "test_sorting_list_ctrl.moc"
