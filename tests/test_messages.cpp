// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"

// Each server problem names the server; a fingerprint comes in pairs, as a viewer shows it.
TEST(Messages, SyncAndPasswordProblems) {
    using K = SyncProblem::Kind;
    using S = PasswordResult::Status;
    const auto sync = [](SyncProblem problem) { return SyncProblemText(problem, English); };
    const auto password = [](PasswordResult r) { return PasswordProblemText(r, English); };
    const std::pair<std::string, std::string> rows[] = {
        {sync({K::Unreachable, "dav", 0, "", "refused"}), "dav cannot be reached: refused"},
        {sync({K::TimedOut, "dav", 0, "", ""}), "dav stopped answering"},
        {sync({K::LoginRefused, "dav", 401, "", ""}), "dav refused the user name or password"},
        {sync({K::Untrusted, "dav", 0, "0a1b2c", ""}),
         "the certificate of dav is not trusted (SHA-256 0A:1B:2C); if it is the server's own, "
         "trust it with --accept-certificate 0A:1B:2C"},
        {SyncProblemText({K::Untrusted, "dav", 0, "0a1b2c", ""}, English, true),
         "the certificate of dav is not trusted (SHA-256 0A:1B:2C); if it is the server's own, "
         "trust it"},
        {sync({K::NotAnAddressBook, "dav", 0, "", ""}),
         "the address on dav is not an address book and leads to none"},
        {sync({K::ServerError, "dav", 500, "", ""}), "dav answered with HTTP status 500"},
        {sync({K::ServerError, "dav", 0, "", "line 3"}),
         "dav sent a reply that cannot be understood: line 3"},
        {sync({K::InsecureUrl, "dav", 0, "", ""}),
         "plain http:// to dav is refused, as the password would travel in clear; use https://"},
        {sync({K::TooLarge, "dav", 0, "", ""}), "dav sent a reply larger than Ovrana accepts"},
        {sync({K::NoPassword, "dav", 0, "", ""}),
         "no password for dav: none in the keyring and none given"},
        {password({S::NoKeyring, "", "no bus", 0, false}), "no keyring answers: no bus"},
        {password({S::CommandFailed, "", "no", 2, false}),
         "the password command failed with status 2: no"},
        {password({S::CommandFailed, "", "", -1, true}),
         "the password command gave no answer within 60 seconds"},
        {password({S::CommandFailed, "", "", 0, false}),
         "the password command printed no password"},
    };
    for (const auto& [said, text] : rows) {
        EXPECT_EQ(said, text);
    }
}
