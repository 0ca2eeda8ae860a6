// SPDX-License-Identifier: MIT
#include "SortingListCtrl.h"

#include <QAbstractProxyModel>
#include <QDate>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <cstdint>
#include <numeric>

#include "TextFold.h"
#include "text/Text.h"

namespace {

// Letters first without accents and case, so that Ölaf sorts among the O names; the full
// case-folded text after a NUL breaks ties, so only texts that differ in case alone are equal.
// Where that text would repeat plain ASCII letters, as for every ASCII name, the key ends with
// the letters instead: the order is the same, and most keys then fit in the string itself.
std::string FoldCase(std::string_view text) {
    if (IsAscii(text)) {
        return FoldAsciiCase(text);  // as FoldAccentsAndCase folds it, without a second look
    }
    std::size_t split = 0;
    std::string key = FoldBothWays(text, split);
    const std::string_view both(key);
    if (both.substr(0, split) == both.substr(split + 1) && IsAscii(both.substr(0, split))) {
        key.resize(split);
    }
    return key;
}

// A model's sort value under the rule of its column: a text, or a number for the others.
struct SortKey {
    bool last = false;  // no value: after every other row, in either direction
    int number = 0;
    std::string text;
};

SortKey KeyOf(int type, const QVariant& value) {
    SortKey key;
    key.last = !value.isValid();
    if (key.last) {
        return key;
    }
    switch (type) {
        case LSORT_TEXT: {
            const QByteArray bytes = value.typeId() == QMetaType::QByteArray
                                         ? value.toByteArray()
                                         : value.toString().toUtf8();
            key.text = FoldCase(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            break;
        }
        case LSORT_INTEGER:
            key.number = value.toInt();
            break;
        case LSORT_DAYMONTH: {
            const QDate date = value.toDate();
            key.last = !date.isValid();
            key.number = key.last ? 0 : date.month() * 32 + date.day();
            break;
        }
        default:
            break;
    }
    return key;
}

}  // namespace

// The rows of a flat table in the list's order, the filtered ones left out. A sort orders every
// row, shown or not, so that clearing the filter shows each row where the sort put it; sorting
// and filtering tell the view once that the layout changed rather than once per row moved.
class SortFilterRows : public QAbstractProxyModel {
public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void setSourceModel(QAbstractItemModel* model) override {
        beginResetModel();
        if (sourceModel() != nullptr) {
            disconnect(sourceModel(), nullptr, this, nullptr);
        }
        QAbstractProxyModel::setSourceModel(model);
        Reset();
        endResetModel();
        if (model == nullptr) {
            return;
        }
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
                &SortFilterRows::beginResetModel);
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            Reset();
            endResetModel();
        });
        // The owner adds rows by a reset; should it ever insert or move them, start over.
        const auto restart = [this] {
            beginResetModel();
            Reset();
            endResetModel();
        };
        connect(model, &QAbstractItemModel::rowsInserted, this, restart);
        connect(model, &QAbstractItemModel::rowsMoved, this, restart);
        connect(model, &QAbstractItemModel::layoutChanged, this, restart);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                &SortFilterRows::RemoveShown);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &SortFilterRows::Forget);
        connect(
            model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                for (int row = first.row(); row <= last.row(); ++row) {
                    if (const int shown = position_[static_cast<std::size_t>(row)]; shown >= 0) {
                        emit dataChanged(index(shown, first.column()), index(shown, last.column()));
                    }
                }
            });
        connect(model, &QAbstractItemModel::headerDataChanged, this,
                &QAbstractItemModel::headerDataChanged);
    }

    // Orders every row stably by `column` under `type`.
    void Sort(int column, int type, bool ascending) {
        if (type != LSORT_TEXT && type != LSORT_INTEGER && type != LSORT_DAYMONTH) {
            return;
        }
        const auto key = [&](int row) {
            return KeyOf(type,
                         sourceModel()->index(row, column).data(CSortingListCtrl::SortKeyRole));
        };
        std::vector<int> sorted;
        if (type != LSORT_TEXT) {
            sorted = RankRows<int>(
                [&](int row, int& value) {
                    const SortKey k = key(row);
                    value = k.number;
                    return !k.last;
                },
                std::less<int>(), ascending);
        } else if (!ByModelRuns(key, ascending, sorted)) {
            // The texts one after another in one buffer, each row keeping where its text lies.
            std::string texts;
            sorted = RankRows<std::pair<std::uint32_t, std::uint32_t>>(
                [&](int row, std::pair<std::uint32_t, std::uint32_t>& place) {
                    const SortKey k = key(row);
                    place = {static_cast<std::uint32_t>(texts.size()),
                             static_cast<std::uint32_t>(k.text.size())};
                    texts += k.text;
                    return !k.last;
                },
                [&](const auto& a, const auto& b) {
                    // Unsigned bytes: code point order for UTF-8.
                    return std::string_view(texts).substr(a.first, a.second) <
                           std::string_view(texts).substr(b.first, b.second);
                },
                ascending);
        }
        if (sorted != order_) {
            Relayout([&] { order_ = std::move(sorted); });
        }
    }

    void Filter(std::function<bool(int)> shown) {
        filter_ = std::move(shown);
        std::vector<char> accepted = Accepted();
        if (accepted != accepted_) {
            Relayout([&] { accepted_ = std::move(accepted); });
        }
    }

    int SourceRow(int row) const {
        return row >= 0 && row < rowCount() ? shown_[static_cast<std::size_t>(row)] : -1;
    }

    QModelIndex mapToSource(const QModelIndex& index) const override {
        const int row = index.isValid() ? SourceRow(index.row()) : -1;
        return row < 0 ? QModelIndex() : sourceModel()->index(row, index.column());
    }

    QModelIndex mapFromSource(const QModelIndex& index) const override {
        if (!index.isValid() || index.row() >= static_cast<int>(position_.size())) {
            return {};
        }
        const int row = position_[static_cast<std::size_t>(index.row())];
        return row < 0 ? QModelIndex() : createIndex(row, index.column());
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
        return !parent.isValid() && row >= 0 && row < rowCount() && column >= 0 &&
                       column < columnCount()
                   ? createIndex(row, column)
                   : QModelIndex();
    }

    QModelIndex parent(const QModelIndex&) const override { return {}; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }

    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || sourceModel() == nullptr ? 0 : sourceModel()->columnCount();
    }

    bool hasChildren(const QModelIndex& parent = {}) const override {
        return !parent.isValid() && rowCount() > 0;
    }

    // Straight from the model: the base class finds a column through the first row, and an
    // empty list has none.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        return sourceModel() == nullptr ? QVariant()
                                        : sourceModel()->headerData(section, orientation, role);
    }

private:
    // A model that already holds its rows in ascending order of the column, as a list in name
    // order does, is sorted by it without keeping a key per row: runs of equal values in the
    // model's order (or reversed), each run in the list's current order. False, with `sorted`
    // untouched, when the model's rows are not in that order.
    template <typename Key>
    bool ByModelRuns(Key key, bool ascending, std::vector<int>& sorted) const {
        const int rows = static_cast<int>(order_.size());
        std::vector<char> tied(order_.size(), 0);  // by model row: equal to the one before
        SortKey previous;
        for (int row = 0; row < rows; ++row) {
            SortKey current = key(row);
            if (current.last || (row > 0 && current.text < previous.text)) {
                return false;
            }
            tied[static_cast<std::size_t>(row)] = row > 0 && current.text == previous.text;
            previous = std::move(current);
        }
        std::vector<int> place(order_.size());  // by model row: where the list has it now
        for (std::size_t i = 0; i < order_.size(); ++i) {
            place[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
        }
        sorted.resize(order_.size());
        auto out = sorted.begin();
        const auto run = [&](int first, int end) {
            std::iota(out, out + (end - first), first);
            std::sort(out, out + (end - first), [&](int a, int b) {
                return place[static_cast<std::size_t>(a)] < place[static_cast<std::size_t>(b)];
            });
            out += end - first;
        };
        if (ascending) {
            for (int first = 0, row = 1; row <= rows; ++row) {
                if (row == rows || tied[static_cast<std::size_t>(row)] == 0) {
                    run(first, row);
                    first = row;
                }
            }
        } else {
            for (int end = rows, row = rows - 1; row >= 0; --row) {
                if (tied[static_cast<std::size_t>(row)] == 0) {
                    run(row, end);
                    end = row;
                }
            }
        }
        return true;
    }

    // The rows of order_, stably ordered by the value `read(row, value)` gives; rows for which
    // it gives false have none and go last in either direction. A row's entry is its value and
    // its number only, eight bytes for a number, so a sort of 100,000 rows needs little memory
    // and stays in the cache.
    template <typename Value, typename Read, typename Less>
    std::vector<int> RankRows(Read read, Less less, bool ascending) const {
        struct Entry {
            Value value{};
            int row = 0;
        };
        std::vector<Entry> entries;
        entries.reserve(order_.size());
        std::vector<int> last;  // in the list's order
        for (const int row : order_) {
            Entry entry{{}, row};
            if (read(row, entry.value)) {
                entries.push_back(entry);
            } else {
                last.push_back(row);
            }
        }
        std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
            return ascending ? less(a.value, b.value) : less(b.value, a.value);
        });
        std::vector<int> sorted;
        sorted.reserve(order_.size());
        for (const Entry& entry : entries) {
            sorted.push_back(entry.row);
        }
        sorted.insert(sorted.end(), last.begin(), last.end());
        return sorted;
    }

    std::vector<char> Accepted() const {
        const int rows = sourceModel() == nullptr ? 0 : sourceModel()->rowCount();
        std::vector<char> accepted(static_cast<std::size_t>(rows), 1);
        if (filter_) {
            for (int row = 0; row < rows; ++row) {
                accepted[static_cast<std::size_t>(row)] = filter_(row) ? 1 : 0;
            }
        }
        return accepted;
    }

    // The model's own order, filtered.
    void Reset() {
        order_.resize(
            sourceModel() == nullptr ? 0u : static_cast<std::size_t>(sourceModel()->rowCount()));
        std::iota(order_.begin(), order_.end(), 0);
        accepted_ = Accepted();
        Rebuild();
    }

    void Rebuild() {
        shown_.clear();
        for (const int row : order_) {
            if (accepted_[static_cast<std::size_t>(row)] != 0) {
                shown_.push_back(row);
            }
        }
        position_.assign(order_.size(), -1);
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            position_[static_cast<std::size_t>(shown_[i])] = static_cast<int>(i);
        }
    }

    // Applies `change` to the order or the filter; the view keeps its current and selected
    // rows wherever they go, and loses those the filter hides.
    template <typename Change>
    void Relayout(Change change) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList sources;
        sources.reserve(before.size());
        for (const QModelIndex& index : before) {
            sources.append(mapToSource(index));
        }
        change();
        Rebuild();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& source : sources) {
            after.append(mapFromSource(source));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    // The model is about to remove rows first..last: out of the view first, shown last first.
    void RemoveShown(const QModelIndex&, int first, int last) {
        std::vector<int> rows;
        for (int row = first; row <= last; ++row) {
            if (const int shown = position_[static_cast<std::size_t>(row)]; shown >= 0) {
                rows.push_back(shown);
            }
        }
        std::sort(rows.rbegin(), rows.rend());
        for (const int row : rows) {
            beginRemoveRows({}, row, row);
            shown_.erase(shown_.begin() + row);
            endRemoveRows();  // position_ is rebuilt once the model removed them
        }
    }

    // The model removed rows first..last: the rows after them move up.
    void Forget(const QModelIndex&, int first, int last) {
        const int count = last - first + 1;
        std::erase_if(order_, [&](int row) { return row >= first && row <= last; });
        for (int& row : order_) {
            row -= row > last ? count : 0;
        }
        accepted_.erase(accepted_.begin() + first, accepted_.begin() + last + 1);
        Rebuild();
    }

    std::function<bool(int)> filter_;
    std::vector<int> order_;      // every model row, in the list's order
    std::vector<char> accepted_;  // by model row: whether the filter shows it
    std::vector<int> shown_;      // by list row: the model row
    std::vector<int> position_;   // by model row: its list row, -1 when hidden
};

CSortingListCtrl::CSortingListCtrl(QWidget* parent)
    : QTableView(parent), m_rows(new SortFilterRows(this)) {
    // A table that looks and moves as a list: whole rows, no grid, no row numbers, headings on
    // the left, the last column to the edge, Tab to the next control.
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSortingEnabled(false);  // the view's sort knows no rules; we sort on header clicks
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    QHeaderView* header = horizontalHeader();
    disconnect(header, &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(header, &QHeaderView::sectionEntered, this, nullptr);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);  // also keeps the header from flipping a mark
    connect(header, &QHeaderView::sectionClicked, this, &CSortingListCtrl::OnHeaderItemClick);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &CSortingListCtrl::MeasureRows);
    connect(m_rows, &QAbstractItemModel::layoutChanged, this, &CSortingListCtrl::MeasureRows);
}

void CSortingListCtrl::SetSourceModel(QAbstractItemModel* model) {
    m_rows->setSourceModel(model);
    setModel(m_rows);
    MeasureRows();
}

void CSortingListCtrl::MeasureRows() {
    // Every row as high as the first: the table never measures each row, as a tree view would.
    if (m_rows->rowCount() > 0) {
        verticalHeader()->setDefaultSectionSize(sizeHintForRow(0));
    }
}

// Scrolled to the end, the top row still shows whole, as a list has it; a table would rather
// show the last row on the bottom edge.
void CSortingListCtrl::updateGeometries() {
    QTableView::updateGeometries();
    AlignTopRow();
}

void CSortingListCtrl::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    AlignTopRow();
}

void CSortingListCtrl::AlignTopRow() {
    const int top = verticalHeader()->sectionPosition(verticalScrollBar()->value());
    if (verticalScrollMode() == ScrollPerItem && top >= 0 && verticalHeader()->offset() != top) {
        verticalHeader()->setOffset(top);
        viewport()->update();
    }
}

QModelIndex CSortingListCtrl::moveCursor(CursorAction cursorAction,
                                         Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    switch (cursorAction) {
        case MoveHome:
        case MoveEnd: {
            // The first or last row, not the first or last cell of this one.
            const QModelIndex row =
                QTableView::moveCursor(cursorAction, modifiers | Qt::ControlModifier);
            return current.isValid() ? row.siblingAtColumn(current.column()) : row;
        }
        case MoveLeft:
        case MoveRight: {
            // Sideways the list scrolls; the row stays.
            QScrollBar* bar = horizontalScrollBar();
            const int step = bar->singleStep();
            bar->setValue(bar->value() + (cursorAction == MoveLeft ? -step : step));
            return current;
        }
        default:
            return QTableView::moveCursor(cursorAction, modifiers);
    }
}

bool CSortingListCtrl::SetColumnTypes(const std::vector<int>& types) {
    m_columnTypes.clear();
    for (const int type : types) {
        if (type != LSORT_TEXT && type != LSORT_INTEGER && type != LSORT_DAYMONTH &&
            type != LSORT_NONE) {
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

std::string CSortingListCtrl::NameKey(std::string_view name) const {
    return FoldCase(name);
}

void CSortingListCtrl::FilterRows(std::function<bool(int)> shown) {
    m_rows->Filter(std::move(shown));
}

int CSortingListCtrl::SourceRow(int row) const {
    return m_rows->SourceRow(row);
}

void CSortingListCtrl::OnHeaderItemClick(int column) {
    // A column without a type is not sortable: nothing changes, as when sorting is off.
    if (m_bSortEnabled && column >= 0 && column < static_cast<int>(m_columnTypes.size()) &&
        m_rows->sourceModel() != nullptr) {
        m_bSortAscending = column == m_nSortColumn ? !m_bSortAscending : true;
        m_nSortColumn = column;
        m_rows->Sort(column, m_columnTypes[static_cast<std::size_t>(column)], m_bSortAscending);
    }
}
