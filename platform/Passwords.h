// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Passwords of address books and calendars on servers, by server URL and user: in the desktop's
// keyring (Secret Service), never in a file. Where no keyring answers, a command the user named
// in the settings (`passwordcommand`) may give it on the first line of its output, as mail
// programs do.
struct PasswordResult {
    enum class Status { Found, NotFound, NoKeyring, CommandFailed };
    Status status = Status::NotFound;
    std::string password;
    std::string detail;  // the keyring's or the command's words when it failed
};

// `command`: the user's password command, empty when none.
PasswordResult ReadPassword(const std::string& url, const std::string& user,
                            const std::string& command);
PasswordResult StorePassword(const std::string& url, const std::string& user,
                             const std::string& password);
PasswordResult ForgetPassword(const std::string& url, const std::string& user);
