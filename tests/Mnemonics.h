// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>

// What is wrong with a window's Alt keys: a button or check box without one (a button box's
// buttons answer Return and Escape), and any letter that two buttons or labels share.
inline QStringList MnemonicFaults(const QWidget& window) {
    QMap<QString, QString> taken;
    QStringList faults;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        const QString text = button ? button->text() : label && label->buddy() ? label->text() : "";
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty() && button && !text.isEmpty() &&
            !qobject_cast<QDialogButtonBox*>(button->parentWidget())) {
            faults << "none: " + text;
        } else if (!key.isEmpty() && taken.contains(key)) {
            faults << taken[key] + " / " + text;
        }
        taken.insert(key.isEmpty() ? text : key, text);
    }
    return faults;
}
