// SPDX-License-Identifier: MIT
#include "TextFold.h"

#include <QString>

#include "SortRules.h"
#include "text/Text.h"

std::string FoldAccentsAndCase(std::string_view text) {
    // Most names are plain ASCII; sparing them the Unicode tables keeps long lists quick.
    if (IsAscii(text)) {
        return FoldAsciiCase(text);
    }
    QString base = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                       .normalized(QString::NormalizationForm_KD);
    base.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    // Qt folds one letter to one, so "ß" (and "ẞ", which folds to it) stays; in full folding,
    // which finds "Straße" from "strasse", it is "ss". Ligatures such as "ﬁ" the decomposition
    // has split already.
    return base.toCaseFolded().replace(QChar(0x00DF), QStringLiteral("ss")).toStdString();
}
