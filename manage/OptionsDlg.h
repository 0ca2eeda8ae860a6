// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QFuture>
#include <functional>
#include <memory>

#include "contacts/AddressBookCopy.h"
#include "platform/Settings.h"
#include "records/DataFile.h"
#include "records/Dates.h"
#include "records/PersonRecord.h"

class CSortingListCtrl;
class RecordTable;
struct RowFormat;
class CWebLinkStatic;
class DaysBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// The record manager: every record with its next date, warning period, age today and days to
// go, narrowed by a filter box; New, Edit and Delete; import of contacts and export of a calendar;
// the two switches and the defaults for new records.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    // Set before exec(); not owned.
    RecordList* records = nullptr;
    AppSettings* settings = nullptr;
    // Set before exec(): why changes made now cannot be saved; shown above the list.
    QString notice;
    // The data file, whose own files Export never writes; the working folder's by default.
    std::string dataPath = kDataFileName;
    // The local copies of the address books, which the dialog syncs when it opens.
    std::string addressBookFolder = AddressBookFolder();
    // Loads the address books' records again into `records`, after a sync changed their copies;
    // false when it could not. Unset: they stay as they are.
    std::function<bool()> reloadContacts;
    // Set when a record was added, edited or deleted; never set back.
    bool changed = false;
    // Where today comes from; fixed when the dialog opens.
    std::function<DayNumber()> clock = [] { return MakeToday(); };

    // Fills the dialog from the members above; exec() calls it before showing.
    void OnInitDialog();
    int exec() override;
    void accept() override;

signals:
    // The local copies of the address books changed: a sync ended, or the user added or
    // removed address books. The list's rows from address books are then out of date.
    void AddressBooksSynced();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Context menu commands.
    static constexpr int ID_NEW = 32774;
    static constexpr int ID_EDIT = 32772;
    static constexpr int ID_DELETE = 32773;

    void FillList();
    // Where `record`, taken out of the list's model at `from`, goes in name order.
    int NamePlace(const PersonRecord& record, int from) const;
    // Hides the rows the filter box does not match; a hidden row loses the selection.
    void ApplyFilter();
    // Empties the filter box when it would hide `record`.
    void RevealRecord(const PersonRecord& record);
    // Rows count in the list as shown: sorted, filtered.
    int SelectedRow() const;  // -1 when none
    PersonRecord* RecordAt(int row) const;
    void SelectRow(int row);
    // Selects `row`, else the last row when there are fewer.
    void SelectShownNear(int row);
    void OnImport();
    void OnExport();
    void OnAddressBooks();
    // Emits AddressBooksSynced when `job` ends, unless the dialog is gone by then.
    void WhenAddressBooksDone(QFuture<void> job);
    // Shows the address books' records as the copies now hold them, once no other window or
    // menu of the dialog is open that may hold one of the rows being replaced.
    void ReloadContacts();
    void OnNewRecord();
    void EditRecord(int row);
    void DeleteRecord(int row);
    void OnDblclkList();
    void OnRclickList();

    DayNumber today = 0;
    std::shared_ptr<const RowFormat> rowFormat;
    QFuture<void> addressBookJob;  // the sync or change of address books under way

    CSortingListCtrl* list;
    RecordTable* table;
    QLineEdit* filterBox;
    std::string filterText;  // the box's text folded, as the rows keep theirs
    QCheckBox* checkOnTop;
    QCheckBox* checkOnceADay;
    QCheckBox* checkNotify;
    QCheckBox* checkDaily;
    QCheckBox* checkMissed;
    QTimeEdit* editDailyAt;
    QComboBox* comboIcon;
    DaysBox* editDays;
    QPushButton* buttonNew;
    QPushButton* buttonImport;
    QPushButton* buttonExport;
    QPushButton* buttonAddressBooks;
    CWebLinkStatic* link;
    QWidget* noticeBox;
    QLabel* noticeText;
};
