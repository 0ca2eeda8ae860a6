// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

#include "SortRules.h"

// A report-style list whose rows sort when the user left-clicks a column header: each column
// has a rule (SortType) chosen by the owner, a second click on the same header reverses the
// order. The header shows no sort mark: a refill puts the rows back in name order, and
// a mark would then claim a sort the list no longer has. Rows move as whole items, so whatever the
// owner keeps in them (the record pointer under Qt::UserRole) comes through every sort untouched.
class CSortingListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit CSortingListCtrl(QWidget* parent = nullptr);

    // One SortType per column, by logical column index. A value outside 0..6 rejects the
    // whole list: the control then has no types and the result is false.
    bool SetColumnTypes(const std::vector<int>& types);

    // Switches sorting by header click on or off; returns the previous setting.
    bool EnableSort(bool enable);

    // The strftime pattern the list's dates are written with; the user's short-date
    // pattern until the owner sets one.
    void SetDatePattern(const std::string& pattern);

    // The order in which `names` go under the text rule, ascending: element i is the index of
    // the name at position i.
    std::vector<std::size_t> NameOrder(const std::vector<std::string>& names) const;

signals:
    // After a sort: the rows went out of the view and back, and lost what only the view keeps
    // about them, such as being hidden by row number.
    void rowsReordered();

private:
    // A left click on the header of `column`; the header reports no other buttons.
    void OnHeaderItemClick(int column);
    void SortRows(int column, int type, bool ascending);

    bool m_bSortEnabled = false;
    std::vector<int> m_columnTypes;
    std::string m_datePattern;
    int m_nSortColumn = -1;  // the last sorted column, -1 before the first sort
    bool m_bSortAscending = true;
};
