// SPDX-License-Identifier: MIT
#include "TextFold.h"

#include <QString>
#include <array>

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
using FoldTable = std::array<std::string, kTableEnd>;

template <std::string (*Whole)(std::string_view)>
const FoldTable& TableOf() {
    static const FoldTable table = [] {
        FoldTable folds;
        for (char32_t c = 0; c < kTableEnd; ++c) {
            folds[c] = Whole(QString(QChar(static_cast<char16_t>(c))).toStdString());
        }
        return folds;
    }();
    return table;
}

template <std::string (*Whole)(std::string_view)>
std::string Fold(std::string_view text) {
    if (IsAscii(text)) {
        return FoldAsciiCase(text);  // the same as whole, without the detour through UTF-16
    }
    const FoldTable& table = TableOf<Whole>();
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t c = lead;
        if (lead >= 0x80) {
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
            if (lead < 0xC2 || lead > 0xC9 || (next & 0xC0) != 0x80) {
                return Whole(text);  // beyond the table, or not UTF-8
            }
            c = static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
            ++i;
        }
        if (c >= kTableEnd) {
            return Whole(text);
        }
        folded += table[c];
    }
    return folded;
}

}  // namespace

std::string FoldAccentsAndCase(std::string_view text) {
    return Fold<FoldAccentsWhole>(text);
}

std::string FoldCaseOnly(std::string_view text) {
    return Fold<FoldCaseWhole>(text);
}
