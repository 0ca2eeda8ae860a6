// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "platform/Settings.h"
#include "platform/TextServices.h"
#include "records/PersonRecord.h"

class QGridLayout;
class QPushButton;
class QTreeWidget;
class QUrl;

// The reminder window: one line per due record, nearest first, each with the record's picture.
// It ends unseen when nothing is due, and reports through optionsRequested and changed.
class CReminderDlg : public QDialog {
    Q_OBJECT

public:
    // `text` gives the weekday names and case rules of the sentences; null: the user's locale.
    explicit CReminderDlg(QWidget* parent = nullptr, const TextServices* text = nullptr);
    ~CReminderDlg() override;

    // Fills the window before it is shown. When nothing is due it ends the dialog as rejected
    // and returns false: the window is never shown. Runs once; exec() calls it if needed.
    bool OnInitDialog();
    // Returns at once, without showing the window, when nothing is due.
    int exec() override;

    int optionsRequested = -1;  // 1: closed by "Options..."
    bool changed = false;       // a record was silenced
    RecordList* records = nullptr;
    AppSettings* settings = nullptr;  // "Remind me again tomorrow" adds to its `snoozed`

    // Hands a mailto: address to the user's mail program. Tests replace it.
    std::function<bool(const QUrl&)> openUrl;

private:
    // Command ids of the record menu.
    static constexpr int kSkipYearCommand = 32771;  // "Don't remind me again until next year"
    static constexpr int kTomorrowCommand = 32772;  // "Remind me again tomorrow"
    static constexpr int kEmailCommand = 5724;

    // A row for every due record, in the order shown; true when at least one was listed.
    bool ListDueRecords();
    // The menu of the selected row with the lowest index, then the chosen command; on a
    // right-click or double-click in the list.
    void ShowRecordMenu();
    void OnOptions();
    void FitToRows();

    QTreeWidget* list = nullptr;
    std::unique_ptr<TextServices> ownText_;
    const TextServices* text_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QGridLayout* buttons_ = nullptr;
    bool initialised_ = false;
    bool due_ = false;
};
