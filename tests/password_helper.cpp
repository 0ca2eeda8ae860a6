// SPDX-License-Identifier: MIT
// One call of the password store, for the keyring test:
// password_helper store|read|forget URL USER [PASSWORD | COMMAND]
// prints "STATUS|PASSWORD|EXIT STATUS|DETAIL".
#include <cstdio>
#include <string>

#include "platform/Passwords.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        return 2;
    }
    const std::string call = argv[1];
    const std::string last = argc > 4 ? argv[4] : "";
    const PasswordResult result = call == "store"    ? StorePassword(argv[2], argv[3], last)
                                  : call == "forget" ? ForgetPassword(argv[2], argv[3])
                                                     : ReadPassword(argv[2], argv[3], last);
    const char* names[] = {"found", "not found", "no keyring", "command failed"};
    std::printf("%s|%s|%d%s|%s\n", names[static_cast<int>(result.status)], result.password.c_str(),
                result.exitStatus, result.timedOut ? " timed out" : "", result.detail.c_str());
    return 0;
}
