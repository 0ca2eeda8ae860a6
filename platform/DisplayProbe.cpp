// SPDX-License-Identifier: MIT
#include "DisplayProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <string>
#ifdef OVRANA_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool XReachable() {
#ifdef OVRANA_HAVE_XCB
    if (!IsSet("DISPLAY")) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
#else
    return IsSet("DISPLAY");
#endif
}

bool WaylandReachable() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (name == nullptr || *name == '\0') {
        return false;
    }
    const std::string path = *name == '/' ? name : std::string(runtime ? runtime : "") + "/" + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    path.copy(address.sun_path, path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool reachable =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return reachable;
}

bool HavePlugin(const QString& platform) {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
        return QFileInfo::exists(folder + "/platforms/libq" + platform + ".so");
    });
}

// Whether the platform can start: Qt ends the process when it cannot (a stale DISPLAY or
// WAYLAND_DISPLAY, a plugin that is not installed), and the reminders would be lost.
bool CanStart(const QString& platform) {
    if (platform == u"xcb") {
        return XReachable();
    }
    if (platform.startsWith(u"wayland")) {
        return WaylandReachable() && HavePlugin(platform);
    }
    return HavePlugin(platform);
}

}  // namespace

std::optional<QByteArray> ChoosePlatform() {
#ifdef Q_OS_UNIX
    QStringList candidates =
        qEnvironmentVariable("QT_QPA_PLATFORM").split(u';', Qt::SkipEmptyParts);
    if (candidates.isEmpty()) {
        candidates << QStringLiteral("xcb") << QStringLiteral("wayland");
        if (qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland") {
            candidates.swapItemsAt(0, 1);
        }
    }
    for (const QString& entry : candidates) {
        if (CanStart(entry.section(u':', 0, 0))) {
            return entry.toLocal8Bit();
        }
    }
    return std::nullopt;
#else
    return QByteArray();
#endif
}
