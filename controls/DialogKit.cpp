// SPDX-License-Identifier: MIT
#include "DialogKit.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTreeWidgetItem>

#include "IconSet.h"
#include "records/PersonRecord.h"

int Modal::Menu(QMenu& menu) {
    if (menuHook) {
        return menuHook(menu);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

void Modal::Warn(QWidget* parent, const QString& text) {
    if (warnHook) {
        warnHook(text);
        return;
    }
    QMessageBox::warning(parent, QCoreApplication::applicationName(), text);
}

bool Modal::Ask(QWidget* parent, const QString& text) {
    if (askHook) {
        return askHook(text);
    }
    return QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int Modal::Run(QDialog& dialog) {
    return runHook ? runHook(dialog) : dialog.QDialog::exec();
}

QString Modal::File(QWidget* parent, bool save, const QString& caption, const QString& path,
                    const QString& filter) {
    if (fileHook) {
        return fileHook(save, path);
    }
    return save ? QFileDialog::getSaveFileName(parent, caption, path, filter)
                : QFileDialog::getOpenFileName(parent, caption, path, filter);
}

void SetRowRecord(QTreeWidgetItem& row, PersonRecord* record) {
    row.setData(0, Qt::UserRole, QVariant::fromValue(record));
}

PersonRecord* RowRecord(const QTreeWidgetItem* row) {
    return row != nullptr ? row->data(0, Qt::UserRole).value<PersonRecord*>() : nullptr;
}

QComboBox* NewIconCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName("comboIcon");
    combo->setIconSize(QSize(16, 16));
    for (int i = 0; i < kRecordIconCount; ++i) {
        // Named, so that a screen reader says which picture is chosen.
        combo->addItem(RecordIcon(i), RecordIconName(i));
    }
    combo->view()->setAccessibleName(QCoreApplication::translate("IconSet", "Pictures"));
    return combo;
}

void ShowIcon(QComboBox& combo, int icon) {
    combo.setCurrentIndex(icon >= 0 && icon < kRecordIconCount ? icon : -1);
}
