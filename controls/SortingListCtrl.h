// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

#include "SortRules.h"

// A report-style list whose rows sort when the user left-clicks a column header: each column
// has a rule (SortType) chosen by the owner, a second click on the same header reverses the
// order. Rows move as whole items, so whatever the owner keeps in them (the record pointer
// under Qt::UserRole) comes through every sort untouched.
class CSortingListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit CSortingListCtrl(QWidget* parent = nullptr);

    // One SortType per column, by logical column index. A value outside 0..6 rejects the
    // whole list: the control then has no types and the result is false.
    bool SetColumnTypes(const std::vector<int>& types);
    const std::vector<int>& ColumnTypes() const { return m_columnTypes; }

    // Switches sorting by header click on or off; returns the previous setting.
    bool EnableSort(bool enable);
    bool IsSortEnabled() const { return m_bSortEnabled; }

    // The strftime pattern the list's dates are written with; the user's short-date
    // pattern until the owner sets one.
    void SetDatePattern(const std::string& pattern);
    const std::string& DatePattern() const { return m_datePattern; }

    // The column and direction of the last sort; -1 before the first one.
    int SortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bSortAscending; }

    // The order in which `names` go under the text rule, ascending: element i is the index of
    // the name at position i.
    std::vector<std::size_t> NameOrder(const std::vector<std::string>& names) const;

    // A left click on the header of `column`. The header only reports left clicks, so other
    // buttons never get here.
    void OnHeaderItemClick(int column);

private:
    void SortRows(int column, int type, bool ascending);
    void ShowSortIndicator();

    bool m_bSortEnabled = false;
    std::vector<int> m_columnTypes;
    std::string m_datePattern;
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
};
