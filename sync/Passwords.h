// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Passwords of address books and calendars on servers, by server URL and user: in the desktop's
// keyring (Secret Service), never in a file. Where no keyring answers, a command the user named
// in the settings (`passwordcommand`) may give it on the first line of its output, as mail
// programs do. The calls block, running an event loop of their own; from the main thread only.
struct PasswordResult {
    enum class Status { Found, NotFound, NoKeyring, CommandFailed };
    Status status = Status::NotFound;
    std::string password;
    std::string detail;  // the keyring's or the command's words (its stderr) when it failed
    // CommandFailed: the command's exit status; -1 when it did not end by itself (not started,
    // killed by a signal, or stopped after kPasswordCommandSeconds: `timedOut`).
    int exitStatus = 0;
    bool timedOut = false;
};

constexpr int kPasswordCommandSeconds = 60;

// The keyring's password, else the first line that `command` (the user's password command, run
// through /bin/sh -c; empty when none) prints when it ends with status 0.
PasswordResult ReadPassword(const std::string& url, const std::string& user,
                            const std::string& command);
// Found when stored.
PasswordResult StorePassword(const std::string& url, const std::string& user,
                             const std::string& password);
// Found when none is kept any more.
PasswordResult ForgetPassword(const std::string& url, const std::string& user);
