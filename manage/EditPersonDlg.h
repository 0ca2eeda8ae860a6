// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <string>

#include "records/Dates.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// The form for one record, new or existing. It works on its own members only; the caller
// copies them from and back into the record.
class CEditPersonDlg : public QDialog {
    Q_OBJECT

public:
    explicit CEditPersonDlg(QWidget* parent = nullptr);

    // Set before exec(), read after it returned Accepted.
    std::string name;
    std::string email;
    CivilDate date;  // year 0: the year is not known
    int icon = 0;    // outside 0..16: no picture
    int warnDays = 0;
    int neverRemind = 0;
    int notABirthday = 0;
    // Set for a date from an address book: its name, address and date are shown, not edited.
    std::string addressBook;

    // Puts the members into the controls, then runs the dialog.
    int exec() override;
    void accept() override;

private:
    void OnInitDialog();
    // The caption for a name: "No name", or the name followed by " - properties".
    static QString CaptionFor(const QString& name);
    void OnChangeName();
    void OnNotABirthday();
    void OnYearUnknown();
    bool ReadDays(int& days);

    QLineEdit* editName;
    QLineEdit* editEmail;
    QDateEdit* datePicker;
    QCheckBox* checkYearUnknown;
    QComboBox* comboIcon;
    QLineEdit* editWarnDays;
    QCheckBox* checkNotABirthday;
    QCheckBox* checkNeverRemind;
    QLabel* labelName;
    QLabel* labelDate;
    QLabel* noteAddressBook;
    QString datePattern_;
    bool dateTouched_ = false;
};
