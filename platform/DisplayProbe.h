// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <optional>

// The platform to start: the first the user named in QT_QPA_PLATFORM that can start, else the
// session's own (Wayland in a Wayland session), then any other that is reachable. Nothing when
// none can start: Qt would end the process, and the reminders would be lost.
std::optional<QByteArray> ChoosePlatform();
