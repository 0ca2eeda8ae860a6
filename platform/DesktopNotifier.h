// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

// One notification through the freedesktop notification service on the session bus, waited on
// until it is acted on or gone. Needs a QCoreApplication.
struct DesktopNotice {
    QString appName;
    QString desktopEntry;  // the launcher's name, without .desktop
    QString summary;
    QString body;  // plain text; escaped where the service reads markup
    QImage icon;
    QStringList actions;  // key, label, key, label...; "default" is the click on the notice
};

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    // The key of the action invoked, or an empty string when the notification was closed,
    // dismissed or expired; nothing when no service took it, the service went away or the run
    // was stopped (Stopped()).
    std::optional<QString> NotifyAndWait(const DesktopNotice& notice);
    // The wait ended as the process was told to end (SIGTERM); the notification is closed.
    bool Stopped() const { return stopped_; }

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnClosed(uint id, uint reason);

private:
    uint id_ = 0;
    bool done_ = false;
    bool stopped_ = false;
    std::optional<QString> result_;
};
