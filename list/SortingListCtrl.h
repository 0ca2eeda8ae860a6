// SPDX-License-Identifier: MIT
#pragma once

#include <QTableView>
#include <functional>
#include <string>
#include <vector>

#include "SortRules.h"

class SortFilterRows;

// A report-style list over the owner's table model whose rows sort when the user left-clicks a
// column header: each column has a rule (SortType) chosen by the owner, a second click on the
// same header reverses the order. The header shows no sort mark: a reset of the model puts the
// rows back in the model's own order, and a mark would then claim a sort the list no longer has.
// Between the model and the view sits a proxy that orders and filters rows without copying them,
// so a list of 100,000 records costs little more than the records themselves.
class CSortingListCtrl : public QTableView {
    Q_OBJECT

public:
    // What a column sorts by, as the owner's model answers under this role: a text (QString, or
    // QByteArray in UTF-8) for LSORT_TEXT, an int for LSORT_INTEGER, a QDate for
    // LSORT_DAYMONTH. No value at all sorts last, in either direction. The displayed text never
    // counts. A model whose rows already follow a text column's order sorts by it fastest.
    static constexpr int SortKeyRole = Qt::UserRole + 1;

    explicit CSortingListCtrl(QWidget* parent = nullptr);

    // The rows, in the order they show before any sort and after every reset; not owned.
    void SetSourceModel(QAbstractItemModel* model);

    // One SortType per column, by logical column index: LSORT_TEXT, LSORT_INTEGER,
    // LSORT_DAYMONTH or LSORT_NONE. Any other value rejects the whole list: the control then has
    // no types and the result is false.
    bool SetColumnTypes(const std::vector<int>& types);

    // Switches sorting by header click on or off; returns the previous setting.
    bool EnableSort(bool enable);

    // What a name sorts by under the text rule. It begins with the name folded as
    // FoldAccentsAndCase, up to a NUL or its end.
    std::string NameKey(std::string_view name) const;

    // Shows only the model's rows for which `shown(row)` is true; kept through sorts and resets
    // until the next call. A hidden row loses the selection.
    void FilterRows(std::function<bool(int)> shown);

    // The model's row shown at `row` of the list, -1 when there is none.
    int SourceRow(int row) const;

protected:
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    // A left click on the header of `column`; the header reports no other buttons.
    void OnHeaderItemClick(int column);
    void AlignTopRow();
    void MeasureRows();

    SortFilterRows* m_rows;
    bool m_bSortEnabled = false;
    std::vector<int> m_columnTypes;
    int m_nSortColumn = -1;  // the last sorted column, -1 before the first sort
    bool m_bSortAscending = true;
};
