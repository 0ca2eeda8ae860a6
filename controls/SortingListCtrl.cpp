// SPDX-License-Identifier: MIT
#include "SortingListCtrl.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <algorithm>

#include "TextFold.h"
#include "platform/QtServices.h"
#include "records/DatePattern.h"
#include "text/Text.h"

namespace {

// Letters first without accents and case, so that Ölaf sorts among the O names; the full
// case-folded text after a NUL breaks ties, so only texts that differ in case alone are equal.
std::string FoldCase(std::string_view text) {
    const std::string base = FoldAccentsAndCase(text);
    std::string key = base;
    key += '\0';
    key += IsAscii(text) ? base
                         : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                               .toCaseFolded()
                               .toStdString();
    return key;
}

}  // namespace

CSortingListCtrl::CSortingListCtrl(QWidget* parent)
    : QTreeWidget(parent), m_datePattern(MakeDatePattern(SystemShortDatePattern())) {
    if (m_datePattern.empty()) {
        m_datePattern = "%d/%m/%y";
    }
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);  // its text order is not ours; we sort on header clicks
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(false);  // also keeps the header from flipping a mark
    connect(header(), &QHeaderView::sectionClicked, this, &CSortingListCtrl::OnHeaderItemClick);
}

bool CSortingListCtrl::SetColumnTypes(const std::vector<int>& types) {
    m_columnTypes.clear();
    for (const int type : types) {
        if (!IsSortType(type)) {
            return false;
        }
    }
    m_columnTypes = types;
    return true;
}

bool CSortingListCtrl::EnableSort(bool enable) {
    const bool previous = m_bSortEnabled;
    m_bSortEnabled = enable;
    return previous;
}

void CSortingListCtrl::SetDatePattern(const std::string& pattern) {
    m_datePattern = pattern;
}

std::vector<std::size_t> CSortingListCtrl::NameOrder(const std::vector<std::string>& names) const {
    return SortOrder(LSORT_TEXT, names, true, SortContext{m_datePattern, FoldCase});
}

void CSortingListCtrl::OnHeaderItemClick(int column) {
    // A column without a type is not sortable: nothing changes, as when sorting is off.
    if (m_bSortEnabled && column >= 0 && column < static_cast<int>(m_columnTypes.size())) {
        m_bSortAscending = column == m_nSortColumn ? !m_bSortAscending : true;
        m_nSortColumn = column;
        SortRows(column, m_columnTypes[static_cast<std::size_t>(column)], m_bSortAscending);
    }
}

void CSortingListCtrl::SortRows(int column, int type, bool ascending) {
    QTreeWidgetItem* root = invisibleRootItem();
    const int count = root->childCount();
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        cells.push_back(root->child(i)->text(column).toStdString());
    }
    const std::vector<std::size_t> order =
        SortOrder(type, cells, ascending, SortContext{m_datePattern, FoldCase});
    bool unchanged = true;
    for (std::size_t i = 0; i < order.size() && unchanged; ++i) {
        unchanged = order[i] == i;
    }
    if (unchanged) {
        return;
    }

    QTreeWidgetItem* current = currentItem();
    const QList<QTreeWidgetItem*> selected = selectedItems();

    // Taking and adding all rows at once keeps this linear; moving rows one by one would
    // shift the rest of the list for each of them.
    const QList<QTreeWidgetItem*> rows = root->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : order) {
        sorted.append(rows[static_cast<qsizetype>(index)]);
    }
    root->addChildren(sorted);

    // The rows went out of the model and back; keep the user's selection and focus row.
    if (current != nullptr) {
        selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
    }
    QItemSelection selection;
    for (QTreeWidgetItem* item : selected) {
        const QModelIndex index = indexFromItem(item);
        selection.select(index, index.siblingAtColumn(columnCount() - 1));
    }
    if (!selection.isEmpty()) {
        selectionModel()->select(selection, QItemSelectionModel::Select);
    }
    emit rowsReordered();
}
