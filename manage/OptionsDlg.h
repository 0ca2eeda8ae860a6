// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

#include "model/Dates.h"
#include "model/PersonRecord.h"
#include "platform/Settings.h"

class CEditPersonDlg;
class CSortingListCtrl;
class CWebLinkStatic;
class DaysBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidgetItem;

// The record manager: every record with its next date, warning period, age today and days to
// go; New, Edit and Delete; the two switches and the defaults for new records.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    // Context menu commands.
    static constexpr int ID_NEW = 32774;
    static constexpr int ID_EDIT = 32772;
    static constexpr int ID_DELETE = 32773;

    explicit COptionsDlg(QWidget* parent = nullptr);
    ~COptionsDlg() override;

    // Set before exec(); not owned.
    RecordList* records = nullptr;
    AppSettings* settings = nullptr;
    // Set before exec(): why changes made now cannot be saved; shown above the list.
    QString notice;
    // Set when a record was added, edited or deleted; never set back.
    bool changed = false;
    // Today at local midnight, fixed when the dialog opens.
    DayNumber today = 0;

    // Seams for tests: where today comes from, how a menu is shown (returns the chosen
    // command, 0 when dismissed), and how the Edit person dialog is run.
    std::function<DayNumber()> clock = [] { return MakeToday(); };
    std::function<int(QMenu& menu)> execMenu;
    std::function<int(CEditPersonDlg& dialog)> execEditor;

    void OnInitDialog();
    int exec() override;
    void accept() override;

    void FillList();
    void FillRow(QTreeWidgetItem* row, PersonRecord* record);
    int SelectedRow() const;  // -1 when none

    void OnNewRecord();
    void EditRecord(int row);
    void DeleteRecord(int row);
    void OnDblclkList();
    void OnRclickList();

    CSortingListCtrl* List() const { return list; }

private:
    PersonRecord* RecordAt(int row) const;
    void SelectRow(int row);

    CSortingListCtrl* list;
    QCheckBox* checkOnTop;
    QCheckBox* checkOnceADay;
    QCheckBox* checkNotify;
    QCheckBox* checkDaily;
    QComboBox* comboIcon;
    DaysBox* editDays;
    QPushButton* buttonNew;
    CWebLinkStatic* link;
    QWidget* noticeBox;
    QLabel* noticeText;
};
