// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "formats/ContactImport.h"

class QPushButton;
class QTreeWidget;

// What an import of contacts would do, before anything is added: one checked row per record it
// would add, the contacts it leaves out and why. OK reads "Import N records" for the N checked.
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    // `dateFormat`: the strftime pattern the Options list writes its dates with.
    CImportDlg(const ImportPlan& plan, const std::string& dateFormat, QWidget* parent = nullptr);

    // Whether each of the plan's records is checked, in the plan's order.
    std::vector<bool> Chosen() const;
    // Runs the dialog through Modal::Run.
    int exec() override;

private:
    void UpdateOk();

    QTreeWidget* rows;
    QPushButton* ok;
};
