// SPDX-License-Identifier: MIT
#include "RecordTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QIcon>
#include <QPainter>
#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <numeric>

#include "contacts/ContactRecords.h"
#include "controls/IconSet.h"
#include "list/SortingListCtrl.h"
#include "platform/QtServices.h"
#include "text/DisplayText.h"

namespace {

// Whether plain ASCII `text` holds `folded`, as its folded text would: A to Z in lower case.
bool ContainsFolded(std::string_view text, std::string_view folded) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::search(text.begin(), text.end(), folded.begin(), folded.end(),
                       [&](char a, char b) { return lower(a) == b; }) != text.end();
}

// The record's picture with a small address book in its corner: the theme's, else one drawn.
QIcon AddressBookIcon(int icon) {
    static std::map<int, QIcon> made;
    QIcon& marked = made[icon];
    if (!marked.isNull()) {
        return marked;
    }
    const QIcon book = QIcon::fromTheme(QStringLiteral("x-office-address-book"));
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        RecordIcon(icon).paint(&painter, 0, 0, size, size);
        const QRectF corner(size * 0.4375, size * 0.4375, size * 0.5625, size * 0.5625);
        if (!book.isNull()) {
            book.paint(&painter, corner.toAlignedRect());
        } else {
            // A white rim keeps it apart from any picture beneath.
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(corner, size / 8.0, size / 8.0);
            const QRectF cover = corner.adjusted(size / 16.0, size / 16.0, -size / 16.0, 0);
            painter.setPen(QPen(QColor(0x5c, 0x33, 0x10), size / 32.0));
            painter.setBrush(QColor(0xc0, 0x6a, 0x1e));
            painter.drawRoundedRect(cover, size / 16.0, size / 16.0);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            const QPointF middle = cover.center();
            const qreal unit = cover.width() / 6;
            painter.drawEllipse(QPointF(middle.x(), middle.y() - unit), unit, unit);
            painter.drawPie(
                QRectF(middle.x() - 2 * unit, middle.y() + 0.6 * unit, 4 * unit, 3 * unit), 0,
                180 * 16);
        }
        painter.end();
        marked.addPixmap(pixmap);
    }
    return marked;
}

// The text rule's order: the keys' bytes, equal keys in the records' order. Where the heads are
// equal, two keys that fit in them differ only in length (a NUL and the zeros after a shorter
// key look alike); longer ones compare the rest of their bytes.
bool NameBefore(const NameEntry& a, const NameEntry& b, std::string_view tails) {
    if (a.head[0] != b.head[0] || a.head[1] != b.head[1]) {
        return a.head[0] != b.head[0] ? a.head[0] < b.head[0] : a.head[1] < b.head[1];
    }
    int order = 0;
    if (a.size > NameEntry::kHead && b.size > NameEntry::kHead) {
        order = tails.substr(a.offset, a.size - NameEntry::kHead)
                    .compare(tails.substr(b.offset, b.size - NameEntry::kHead));
    } else {
        order = a.size < b.size ? -1 : a.size > b.size;
    }
    return order != 0 ? order < 0 : a.index < b.index;
}

// Orders [first, last) by NameBefore. Comparisons of 100,000 keys took about as long as making
// them; here the entries are dealt into piles by the first byte in which their heads differ,
// and only small piles, or those of equal heads, are compared.
void SortNameRange(NameEntry* first, NameEntry* last, NameEntry* spare, std::string_view tails) {
    constexpr std::ptrdiff_t kSmall = 32;
    const auto less = [tails](const NameEntry& a, const NameEntry& b) {
        return NameBefore(a, b, tails);
    };
    const std::ptrdiff_t count = last - first;
    std::uint64_t differ[2] = {};
    for (const NameEntry* entry = first; entry != last; ++entry) {
        differ[0] |= entry->head[0] ^ first->head[0];
        differ[1] |= entry->head[1] ^ first->head[1];
    }
    if (count <= kSmall || (differ[0] | differ[1]) == 0) {
        // Equal heads stay in the records' order as dealt, which often settles them already.
        if (!std::is_sorted(first, last, less)) {
            std::sort(first, last, less);
        }
        return;
    }
    const std::size_t depth =
        differ[0] != 0 ? std::countl_zero(differ[0]) / 8 : 8 + std::countl_zero(differ[1]) / 8;
    std::array<std::size_t, 257> starts{};
    for (const NameEntry* entry = first; entry != last; ++entry) {
        ++starts[entry->Byte(depth) + 1];
    }
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::array<std::size_t, 257> next = starts;
    for (const NameEntry* entry = first; entry != last; ++entry) {
        spare[next[entry->Byte(depth)]++] = *entry;
    }
    std::copy(spare, spare + count, first);
    for (std::size_t pile = 0; pile < 256; ++pile) {
        if (starts[pile + 1] - starts[pile] > 1) {
            SortNameRange(first + starts[pile], first + starts[pile + 1], spare, tails);
        }
    }
}

// A record without a day or month has no date to show, and sorts after every date.
bool HasDay(const PersonRecord& record) {
    return record.day != 0 && record.month != 0;
}
bool Dated(const PersonRecord& record) {
    return HasDay(record) && record.year != 0;
}

}  // namespace

std::string MatchText(const PersonRecord& record) {
    return FoldAccentsAndCase(record.name) + '\x01' + FoldAccentsAndCase(record.email);
}

std::unique_ptr<const std::string> KeptMatchText(const PersonRecord& record) {
    return KeptMatchText(record, [&] { return FoldAccentsAndCase(record.name); });
}

void SortNameEntries(std::vector<NameEntry>& entries, std::string_view tails) {
    std::vector<NameEntry> spare(entries.size());
    SortNameRange(entries.data(), entries.data() + entries.size(), spare.data(), tails);
}

void RecordTable::Fill(std::vector<PersonRecord*> rows,
                       std::vector<std::unique_ptr<const std::string>> folded,
                       std::shared_ptr<const RowFormat> format) {
    beginResetModel();
    rows_ = std::move(rows);
    folded_ = std::move(folded);
    format_ = std::move(format);
    endResetModel();
}

void RecordTable::Move(int from, int to) {
    beginResetModel();
    PersonRecord* record = rows_[static_cast<std::size_t>(from)];
    rows_.erase(rows_.begin() + from);
    folded_.erase(folded_.begin() + from);
    rows_.insert(rows_.begin() + to, record);
    folded_.insert(folded_.begin() + to, KeptMatchText(*record));
    endResetModel();
}

bool RecordTable::Matches(int row, const std::string& folded) const {
    if (const auto& text = folded_[static_cast<std::size_t>(row)]) {
        return text->find(folded) != std::string::npos;
    }
    const PersonRecord& record = *rows_[static_cast<std::size_t>(row)];
    return ContainsFolded(record.name, folded) || ContainsFolded(record.email, folded);
}

void RecordTable::Refresh(int row) {
    folded_[static_cast<std::size_t>(row)] = KeptMatchText(*Record(row));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordTable::Remove(int row) {
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    folded_.erase(folded_.begin() + row);
    endRemoveRows();
}

QVariant RecordTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headers_.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant RecordTable::data(const QModelIndex& index, int role) const {
    const PersonRecord* record = Record(index.row());
    if (record == nullptr) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return Text(*record, index.column());
    }
    if (role == CSortingListCtrl::SortKeyRole) {
        return SortKey(*record, index.column());
    }
    if (index.column() == kName && role == Qt::DecorationRole) {
        return record->origin != nullptr ? AddressBookIcon(record->icon) : RecordIcon(record->icon);
    }
    if (index.column() == kName && role == Qt::ToolTipRole && record->origin != nullptr) {
        return QCoreApplication::translate("COptionsDlg", "From the address book %1")
            .arg(FromBytes(record->origin->addressBook));
    }
    // A screen reader reads the row as its record: the name, then the other columns.
    if (index.column() == kName && role == Qt::AccessibleTextRole) {
        return FromBytes(record->name);
    }
    if (index.column() == kName && role == Qt::AccessibleDescriptionRole) {
        QStringList parts;
        for (int column = kBirthday; column <= kDays; ++column) {
            parts.append(headers_.value(column) + ": " + Text(*record, column).toString());
        }
        const QVariant book = data(index, Qt::ToolTipRole);
        if (book.isValid()) {
            parts.append(book.toString());
        }
        return parts.join(QStringLiteral(", "));
    }
    return {};
}

QVariant RecordTable::Text(const PersonRecord& record, int column) const {
    const QString none = QStringLiteral("-");
    switch (column) {
        case kName:
            return FromBytes(IsolateBidi(record.name));
        case kBirthday:
            return HasDay(record) ? QString::fromStdString(FormatDate(
                                        MakeDay(record.nextYear, record.month, record.day),
                                        format_->dateFormat))
                                  : none;
        case kWarn:
            return QString::number(record.daysInAdvance);
        case kAgeToday:
            return Dated(record) ? QString::number(AgeToday(record, format_->today)) : none;
        case kDays:
            return Dated(record) ? QString::number(record.daysUntil) : none;
        default:
            return {};
    }
}

QVariant RecordTable::SortKey(const PersonRecord& record, int column) const {
    switch (column) {
        case kName:
            return QByteArray::fromStdString(record.name);
        case kBirthday: {
            if (!HasDay(record)) {
                return {};
            }
            // The day shown, which for 29 February may be another in a common year.
            const CivilDate next = ToCivil(MakeDay(record.nextYear, record.month, record.day));
            return QDate(2000, next.month, next.day);
        }
        case kWarn:
            return record.daysInAdvance;
        case kAgeToday:
            return Dated(record) ? AgeToday(record, format_->today) : 0;
        case kDays:
            return Dated(record) ? record.daysUntil : 0;
        default:
            return {};
    }
}
