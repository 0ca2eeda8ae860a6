// SPDX-License-Identifier: MIT
#pragma once

#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <optional>

// While one is alive, SIGTERM (systemd stops a unit with it) no longer ends the process at once:
// `onStop` runs from the event loop instead, so that the run can end in order. One at a time;
// needs a QCoreApplication.
class StopSignal {
public:
    explicit StopSignal(std::function<void()> onStop);
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

private:
    struct sigaction previous_ {};
    std::optional<QSocketNotifier> notifier_;
};
