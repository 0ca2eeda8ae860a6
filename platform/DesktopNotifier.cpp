// SPDX-License-Identifier: MIT
#include "DesktopNotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>

#include "StopSignal.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, bytes.
struct ImageData {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ImageData& data) {
    const QImage rgba = data.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8
             << 4
             << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                           static_cast<qsizetype>(rgba.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ImageData&) {
    return argument;  // never read
}

}  // namespace

Q_DECLARE_METATYPE(ImageData)

std::optional<QString> DesktopNotifier::NotifyAndWait(const DesktopNotice& notice) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return std::nullopt;
    }
    QDBusInterface service(kService, kPath, kService, bus);
    // Signals are connected before the notification exists, so that none is missed.
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(OnClosed(uint, uint)));

    QString body = notice.body;
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    if (!capabilities.isValid()) {
        return std::nullopt;
    }
    if (capabilities.value().contains(QStringLiteral("body-markup"))) {
        body = body.toHtmlEscaped();
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), notice.desktopEntry);
    if (!notice.icon.isNull()) {
        qDBusRegisterMetaType<ImageData>();
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData{notice.icon}));
    }
    // A stopped run (systemd stops the daily run's unit so that the next day's can start) takes
    // its notification along: left behind, its actions would reach nobody.
    const StopSignal stop([this] { stopped_ = done_ = true; });
    // It waits until it is seen: a reminder that vanishes after seconds is easily missed.
    const QDBusReply<uint> sent =
        service.call(QStringLiteral("Notify"), notice.appName, uint(0), notice.desktopEntry,
                     notice.summary, body, notice.actions, hints, 0);
    if (!sent.isValid()) {
        return std::nullopt;
    }
    id_ = sent.value();
    // A service that goes away, or a bus that does, took the notification with it, perhaps
    // unseen: as if it had never been sent, so that the window shows instead.
    QDBusServiceWatcher watcher(kService, bus, QDBusServiceWatcher::WatchForUnregistration);
    connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { done_ = true; });
    QEventLoop loop;
    while (!done_ && bus.isConnected()) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (stopped_) {
        service.call(QStringLiteral("CloseNotification"), id_);
        return std::nullopt;
    }
    return result_;
}

void DesktopNotifier::OnActionInvoked(uint id, const QString& key) {
    if (id == id_ && !done_) {
        result_ = key;
        done_ = true;
    }
}

void DesktopNotifier::OnClosed(uint id, uint) {
    if (id == id_ && !done_) {
        result_ = QString();
        done_ = true;
    }
}
