// SPDX-License-Identifier: MIT
#include "StopSignal.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char stop = 0;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &stop, 1);
}

}  // namespace

StopSignal::StopSignal(std::function<void()> onStop) {
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // SIGTERM ends the process as before
    }
    notifier_.emplace(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(&*notifier_, &QSocketNotifier::activated, [this, onStop = std::move(onStop)] {
        notifier_->setEnabled(false);  // once is enough
        onStop();
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previous_);
}

StopSignal::~StopSignal() {
    if (!notifier_) {
        return;
    }
    ::sigaction(SIGTERM, &previous_, nullptr);
    notifier_.reset();
    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
    stopPipe[0] = stopPipe[1] = -1;
}
