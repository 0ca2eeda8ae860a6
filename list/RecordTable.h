// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "list/TextFold.h"
#include "records/Dates.h"
#include "records/PersonRecord.h"
#include "text/Text.h"

// The Options list's columns.
enum RecordColumn { kName, kBirthday, kWarn, kAgeToday, kDays };

// How a row words its record; shared by the rows, so they never reach into the dialog.
struct RowFormat {
    std::string dateFormat;
    DayNumber today = 0;
};

// What the filter box looks in: the name and the address, folded. The separator keeps a match
// from spanning the two.
std::string MatchText(const PersonRecord& record);

// What a row keeps of MatchText: nothing for plain ASCII, which is searched as it is.
// `foldedName()` gives the name folded.
template <typename Name>
std::unique_ptr<const std::string> KeptMatchText(const PersonRecord& record, Name foldedName) {
    if (IsAscii(record.name) && IsAscii(record.email)) {
        return nullptr;
    }
    return std::make_unique<const std::string>(std::string(foldedName()) + '\x01' +
                                               FoldAccentsAndCase(record.email));
}

std::unique_ptr<const std::string> KeptMatchText(const PersonRecord& record);

// A name key in the fill's order: its first sixteen bytes as two numbers, which decide most
// comparisons, and all of them for keys that short (most names); what longer keys have beyond
// lies one after another in a shared buffer.
struct NameEntry {
    static constexpr std::size_t kHead = 16;
    std::uint64_t head[2] = {};  // zeros after the key's end
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    std::uint32_t index = 0;  // in the records' own order, which breaks ties

    unsigned Byte(std::size_t at) const {
        return static_cast<unsigned>(head[at / 8] >> (56 - 8 * (at % 8))) & 0xFFu;
    }
};

// Orders the entries as the text rule orders their keys (`tails` holding what the keys have
// beyond their heads), equal keys in the records' order.
void SortNameEntries(std::vector<NameEntry>& entries, std::string_view tails);

// The records as the list's table, one row each in the order the dialog gives. A row keeps only
// its record's address, and the folded match text of a record that is not plain ASCII; the
// texts are worked out when the view asks, which it does for the rows on screen, and each
// column sorts by the record's own value.
class RecordTable : public QAbstractTableModel {
public:
    RecordTable(QStringList headers, QObject* parent)
        : QAbstractTableModel(parent), headers_(std::move(headers)) {}

    // `folded`: each row's KeptMatchText, worked out once per fill rather than per keystroke.
    void Fill(std::vector<PersonRecord*> rows,
              std::vector<std::unique_ptr<const std::string>> folded,
              std::shared_ptr<const RowFormat> format);

    // Moves the record at `from` to `to`, counted without it, as a refill would place it.
    void Move(int from, int to);

    PersonRecord* Record(int row) const {
        return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)] : nullptr;
    }

    // Whether the name or the address contains `folded`, a text folded as FoldAccentsAndCase.
    bool Matches(int row, const std::string& folded) const;

    // Has the view word the record anew.
    void Refresh(int row);

    void Remove(int row);

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QVariant Text(const PersonRecord& record, int column) const;
    // The value a column sorts by. Age and days count as 0 where the list shows a dash.
    QVariant SortKey(const PersonRecord& record, int column) const;

    QStringList headers_;
    std::vector<PersonRecord*> rows_;
    std::vector<std::unique_ptr<const std::string>> folded_;  // none for plain ASCII
    std::shared_ptr<const RowFormat> format_;
};
