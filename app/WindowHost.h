// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>

#include <QByteArray>

#include "ReminderApp.h"
#include "platform/QtServices.h"

class QApplication;

// Shows the dialogs in windows, or, where no window can be shown, writes the reminder rows to
// standard output. The QApplication (and with it the display connection) is only created
// when a window is really needed.
class WindowHost : public DialogHost {
public:
    WindowHost(int& argc, char** argv);
    ~WindowHost() override;

    ReminderOutcome RunReminder(RecordList& records, AppSettings& settings) override;
    bool RunOptions(RecordList& records, AppSettings& settings, const std::string& notice,
                    ContactRecords& contacts) override;
    void ShowMessage(const std::string& text) override;
    NotifyOutcome Notify(const RecordList& records, const AppSettings& settings) override;

    // Linux: a reachable X display or Wayland compositor, or a platform named by
    // QT_QPA_PLATFORM that can start.
    bool CanShowWindows();
    // 1 when something the user asked for could not be shown or written: the reminder's text,
    // or the Options dialog when the command line asked for it. Else 0.
    int ExitStatus(bool optionsAsked) const {
        return failed_ || (optionsAsked && optionsUnshown_) ? 1 : 0;
    }
    // The user's language, for the sentences and messages.
    const QtTextServices& Text() const { return text_; }

private:
    // Created on first need and kept for the rest of the run.
    QApplication& Application();

    int& argc_;
    char** argv_;
    QtTextServices text_;
    std::optional<bool> canShowWindows_;  // asked once per run
    std::optional<QByteArray> platform_;  // the one that can start
    std::unique_ptr<QApplication> application_;
    bool failed_ = false;
    bool optionsUnshown_ = false;
};
