// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

struct PersonRecord;
class QComboBox;
class QDialog;
class QMenu;
class QTreeWidgetItem;
class QWidget;

// The modal steps every window shares. Tests answer them through the hooks instead of a user;
// one hook per kind of modal serves every window.
class Modal {
public:
    // Shows `menu` at the mouse pointer; the chosen action's data, 0 when dismissed.
    static int Menu(QMenu& menu);
    // A warning box with the program's name as caption.
    static void Warn(QWidget* parent, const QString& text);
    // A question with Yes and No, No the default; whether the answer was Yes.
    static bool Ask(QWidget* parent, const QString& text);
    // Runs `dialog` modally; its result.
    static int Run(QDialog& dialog);
    // A file dialog starting at `path`: a file to read, or with `save` one to write. The chosen
    // path, empty when cancelled.
    static QString File(QWidget* parent, bool save, const QString& caption, const QString& path,
                        const QString& filter);

    static inline std::function<int(QMenu&)> menuHook;
    static inline std::function<void(const QString&)> warnHook;
    static inline std::function<bool(const QString&)> askHook;
    static inline std::function<int(QDialog&)> runHook;
    static inline std::function<QString(bool save, const QString& path)> fileHook;
};

// The record a list row shows; the row does not own it.
void SetRowRecord(QTreeWidgetItem& row, PersonRecord* record);
PersonRecord* RowRecord(const QTreeWidgetItem* row);

// A combo box of the record pictures, and the picture it shows (none outside 0..16).
QComboBox* NewIconCombo(QWidget* parent);
void ShowIcon(QComboBox& combo, int icon);
