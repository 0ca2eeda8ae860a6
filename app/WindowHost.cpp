// SPDX-License-Identifier: MIT
#include "WindowHost.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <string>

#include "Arguments.h"
#include "controls/IconSet.h"
#include "contacts/ContactRecords.h"
#include "manage/OptionsDlg.h"
#include "platform/DesktopNotifier.h"
#include "platform/DisplayProbe.h"
#include "platform/StopSignal.h"
#include "reminder/DueRecords.h"
#include "reminder/Notification.h"
#include "reminder/ReminderDlg.h"
#include "text/DisplayText.h"

WindowHost::WindowHost(int& argc, char** argv) : argc_(argc), argv_(argv) {}

WindowHost::~WindowHost() = default;

bool WindowHost::CanShowWindows() {
    if (!canShowWindows_) {
        platform_ = ChoosePlatform();
        canShowWindows_ = platform_.has_value();
    }
    return *canShowWindows_;
}

QApplication& WindowHost::Application() {
    if (!application_) {
        const QByteArray userPlatform = qgetenv("QT_QPA_PLATFORM");
        if (platform_ && !platform_->isEmpty()) {
            qputenv("QT_QPA_PLATFORM", *platform_);
        }
        application_ = std::make_unique<QApplication>(argc_, argv_);
        // Programs started from the windows get the user's environment.
        if (userPlatform.isEmpty()) {
            qunsetenv("QT_QPA_PLATFORM");
        } else {
            qputenv("QT_QPA_PLATFORM", userPlatform);
        }
        QApplication::setWindowIcon(AppIcon());
        text_.InstallTranslators();
    }
    return *application_;
}

ReminderOutcome WindowHost::RunReminder(RecordList& records, AppSettings& settings) {
    // Decided before any window exists: a logon run with nothing due never touches the display.
    if (std::none_of(records.begin(), records.end(),
                     [&](const auto& r) { return IsShown(*r, settings); })) {
        return {};
    }
    if (CanShowWindows()) {
        Application();
        CReminderDlg dialog(nullptr, &text_);
        dialog.records = &records;
        dialog.settings = &settings;
        dialog.optionsRequested = -1;
        // Stopped (an earlier morning's daily run, as the next one starts): closed as by Escape,
        // so that records silenced in it are still saved.
        const StopSignal stop([&dialog] { dialog.reject(); });
        dialog.exec();
        return {dialog.optionsRequested, dialog.changed};
    }
    for (const ReminderRow& row : SelectDueRows(records, settings, text_)) {
        const std::string safe = ReplaceControls(row.text);
        std::fwrite(safe.data(), 1, safe.size(), stdout);
        std::fputc('\n', stdout);
    }
    // Output that could not be written (a full disk, a closed pipe) reminded nobody.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        failed_ = true;
    }
    return {};
}

bool WindowHost::RunOptions(RecordList& records, AppSettings& settings, const std::string& notice,
                            ContactRecords& contacts) {
    if (!CanShowWindows()) {
        PrintError(text_.Translate("WindowHost",
                                   QT_TRANSLATE_NOOP("WindowHost",
                                                     "the Options dialog cannot be "
                                                     "shown without a display"),
                                   -1));
        optionsUnshown_ = true;
        if (!notice.empty()) {
            PrintError(notice);
        }
        return false;
    }
    Application();
    COptionsDlg dialog;
    dialog.records = &records;
    dialog.settings = &settings;
    dialog.notice = QString::fromStdString(notice);
    dialog.reloadContacts = [&] { return contacts.Reload(records); };
    dialog.exec();
    return dialog.changed;
}

void WindowHost::ShowMessage(const std::string& text) {
    if (!CanShowWindows()) {
        PrintError(text);
        return;
    }
    Application();
    QMessageBox::warning(nullptr, QApplication::applicationName(), QString::fromStdString(text));
}

NotifyOutcome WindowHost::Notify(const RecordList& records, const AppSettings& settings) {
    // Without a display the reminder stays text on standard output.
    if (!CanShowWindows()) {
        return NotifyOutcome::NotSent;
    }
    Application();
    const std::vector<ReminderRow> rows = SelectDueRows(records, settings, text_);
    DesktopNotice notice;
    notice.appName = QStringLiteral("Ovrana");
    notice.desktopEntry = QGuiApplication::desktopFileName();
    notice.summary = QString::fromStdString(NotificationSummary(rows.size(), text_));
    notice.body = QString::fromStdString(NotificationBody(rows));
    notice.icon = AppIcon().pixmap(64, 64).toImage();
    const auto say = [&](const char* source) {
        return QString::fromStdString(text_.Translate("Notification", source, -1));
    };
    notice.actions = {
        QStringLiteral("default"),  say(QT_TRANSLATE_NOOP("Notification", "Show")),
        QStringLiteral("tomorrow"), say(QT_TRANSLATE_NOOP("Notification", "Tomorrow")),
        QStringLiteral("options"),  say(QT_TRANSLATE_NOOP("Notification", "Options..."))};
    DesktopNotifier notifier;
    const std::optional<QString> action = notifier.NotifyAndWait(notice);
    if (!action) {
        return notifier.Stopped() ? NotifyOutcome::Stopped : NotifyOutcome::NotSent;
    }
    return *action == u"default"    ? NotifyOutcome::ShowWindow
           : *action == u"options"  ? NotifyOutcome::OpenOptions
           : *action == u"tomorrow" ? NotifyOutcome::Tomorrow
                                    : NotifyOutcome::Closed;
}
