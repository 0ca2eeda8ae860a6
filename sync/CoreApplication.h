// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <memory>

// The network, the keyring and processes need an application object, though not its running
// loop; the command line has none of its own and gets one for the time this lives. Where one
// exists (a window is up), that one serves.
class CoreApplication {
public:
    CoreApplication() {
        if (QCoreApplication::instance() == nullptr) {
            own_ = std::make_unique<QCoreApplication>(argc_, argv_);
        }
    }
    CoreApplication(const CoreApplication&) = delete;
    CoreApplication& operator=(const CoreApplication&) = delete;

private:
    int argc_ = 1;
    char name_[7] = "ovrana";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> own_;
};
