// SPDX-License-Identifier: MIT
// password_helper store|read|forget URL USER [PASSWORD | COMMAND]: "STATUS|PASSWORD|EXIT|DETAIL".
#include <cstdio>
#include <string>

#include "sync/Passwords.h"

int main(int argc, char** argv) {
    const std::string call = argc > 3 ? argv[1] : "", last = argc > 4 ? argv[4] : "";
    const PasswordResult r = call == "store"    ? StorePassword(argv[2], argv[3], last)
                             : call == "forget" ? ForgetPassword(argv[2], argv[3])
                             : call == "read"   ? ReadPassword(argv[2], argv[3], last)
                                                : PasswordResult{};
    std::printf("%d|%s|%d%s|%s\n", static_cast<int>(r.status), r.password.c_str(), r.exitStatus,
                r.timedOut ? " timed out" : "", r.detail.c_str());
}
