// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "model/Dates.h"
#include "model/PersonRecord.h"
#include "platform/Settings.h"

class CSortingListCtrl;
struct RowFormat;
class CWebLinkStatic;
class DaysBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The record manager: every record with its next date, warning period, age today and days to
// go; New, Edit and Delete; the two switches and the defaults for new records.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    // Set before exec(); not owned.
    RecordList* records = nullptr;
    AppSettings* settings = nullptr;
    // Set before exec(): why changes made now cannot be saved; shown above the list.
    QString notice;
    // Set when a record was added, edited or deleted; never set back.
    bool changed = false;
    // Where today comes from; fixed when the dialog opens.
    std::function<DayNumber()> clock = [] { return MakeToday(); };

    // Fills the dialog from the members above; exec() calls it before showing.
    void OnInitDialog();
    int exec() override;
    void accept() override;

private:
    // Context menu commands.
    static constexpr int ID_NEW = 32774;
    static constexpr int ID_EDIT = 32772;
    static constexpr int ID_DELETE = 32773;

    void FillList();
    int SelectedRow() const;  // -1 when none
    PersonRecord* RecordAt(int row) const;
    void SelectRow(int row);
    void OnNewRecord();
    void EditRecord(int row);
    void DeleteRecord(int row);
    void OnDblclkList();
    void OnRclickList();

    DayNumber today = 0;
    std::shared_ptr<const RowFormat> rowFormat;

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
