// SPDX-License-Identifier: MIT
#include "TextFold.h"

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>

#include "SortRules.h"
#include "text/Text.h"

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FoldAccentsWhole(std::string_view text) {
    QString base = FromUtf8(text).normalized(QString::NormalizationForm_KD);
    base.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    // Qt folds one letter to one, so "ß" (and "ẞ", which folds to it) stays; in full folding,
    // which finds "Straße" from "strasse", it is "ss". Ligatures such as "ﬁ" the decomposition
    // has split already.
    return base.toCaseFolded().replace(QChar(0x00DF), QStringLiteral("ss")).toStdString();
}

std::string FoldCaseWhole(std::string_view text) {
    return FromUtf8(text).toCaseFolded().toStdString();
}

// Below U+0250 every character is a starter whose decomposition holds only starters and
// non-spacing marks, and case folds one character at a time; so a text of such characters
// folds character by character exactly as it folds whole. Names in Latin scripts are then
// folded from a table rather than through the Unicode tables, which at 100,000 names took
// about half the time the list needed to open.
constexpr char32_t kTableEnd = 0x250;
struct TableFold {
    static constexpr std::uint8_t kTooLong = 0xFF;  // fold the text whole
    char bytes[7] = {};
    std::uint8_t size = 0;
};
using FoldTable = std::array<TableFold, kTableEnd>;

template <std::string (*Whole)(std::string_view)>
const FoldTable& TableOf() {
    static const FoldTable table = [] {
        FoldTable folds;
        for (char32_t c = 0; c < kTableEnd; ++c) {
            const std::string folded =
                Whole(QString(QChar(static_cast<char16_t>(c))).toStdString());
            TableFold& fold = folds[c];
            fold.size = folded.size() <= sizeof fold.bytes ? std::uint8_t(folded.size())
                                                           : TableFold::kTooLong;
            folded.copy(fold.bytes, sizeof fold.bytes);
        }
        return folds;
    }();
    return table;
}

// Room FoldFromTable needs for `text`: a folded character takes at most seven bytes, and it
// writes whole table entries.
std::size_t TableRoom(std::string_view text) {
    return 4 * text.size() + sizeof TableFold::bytes;
}

// Writes `text` folded from `table` to `out`, which has TableRoom(text) bytes, and returns how
// many it wrote; npos where a character lies beyond the table or the text is not UTF-8.
std::size_t FoldFromTable(std::string_view text, const FoldTable& table, char* out) {
    char* const begin = out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t c = lead;
        if (lead >= 0x80) {
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
            if (lead < 0xC2 || lead > 0xC9 || (next & 0xC0) != 0x80) {
                return std::string::npos;
            }
            c = static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
            ++i;
        }
        if (c >= kTableEnd || table[c].size == TableFold::kTooLong) {
            return std::string::npos;
        }
        std::memcpy(out, table[c].bytes, sizeof TableFold::bytes);
        out += table[c].size;
    }
    return static_cast<std::size_t>(out - begin);
}

template <std::string (*Whole)(std::string_view)>
std::string Fold(std::string_view text) {
    if (IsAscii(text)) {
        return FoldAsciiCase(text);  // the same as whole, without the detour through UTF-16
    }
    std::string folded(TableRoom(text), '\0');
    const std::size_t size = FoldFromTable(text, TableOf<Whole>(), folded.data());
    if (size == std::string::npos) {
        return Whole(text);
    }
    folded.resize(size);
    return folded;
}

}  // namespace

std::string FoldAccentsAndCase(std::string_view text) {
    return Fold<FoldAccentsWhole>(text);
}

std::string FoldCaseOnly(std::string_view text) {
    return Fold<FoldCaseWhole>(text);
}

std::string FoldBothWays(std::string_view text, std::size_t& split) {
    // One buffer with room for both: the second fold goes behind the first's room, then closes up.
    std::string folded(2 * TableRoom(text) + 1, '\0');
    const std::size_t accents = FoldFromTable(text, TableOf<FoldAccentsWhole>(), folded.data());
    const std::size_t room = TableRoom(text) + 1;
    const std::size_t caseOnly =
        accents == std::string::npos
            ? std::string::npos
            : FoldFromTable(text, TableOf<FoldCaseWhole>(), folded.data() + room);
    if (caseOnly == std::string::npos) {
        folded = FoldAccentsWhole(text);
        split = folded.size();
        return folded + '\0' + FoldCaseWhole(text);
    }
    split = accents;
    folded[accents] = '\0';
    std::memmove(folded.data() + accents + 1, folded.data() + room, caseOnly);
    folded.resize(accents + 1 + caseOnly);
    return folded;
}
