// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"

// Each server problem names the server; a fingerprint comes in pairs, as a viewer shows it.
TEST(Messages, SyncProblemWords) {
    using K = SyncProblem::Kind;
    const auto problem = [](K kind, int status = 0, std::string fingerprint = "",
                            std::string detail = "") {
        SyncProblem p;
        std::tie(p.kind, p.server, p.status, p.fingerprint, p.detail) =
            std::make_tuple(kind, "dav", status, fingerprint, detail);
        return p;
    };
    const std::string pairs =
        "01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:45:67:89:"
        "AB:CD:EF:01:23:45:67:89:AB:CD:EF";
    const std::pair<SyncProblem, std::string> rows[] = {
        {problem(K::Unreachable, 0, "", "Connection refused"),
         "dav cannot be reached: Connection refused"},
        {problem(K::TimedOut), "dav stopped answering"},
        {problem(K::LoginRefused, 401), "dav refused the user name or password"},
        {problem(K::Untrusted, 0,
                 "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef"),
         "the certificate of dav is not trusted (SHA-256 " + pairs +
             "); if it is the server's own, trust it with --accept-certificate " + pairs},
        {problem(K::NotAnAddressBook),
         "the address on dav is not an address book and leads to none"},
        {problem(K::ServerError, 500), "dav answered with HTTP status 500"},
        {problem(K::ServerError, 0, "", "line 3: unexpected end"),
         "dav sent a reply that cannot be understood: line 3: unexpected end"},
        {problem(K::InsecureUrl),
         "plain http:// to dav is refused, as the password would travel in clear; use https://"},
        {problem(K::TooLarge), "dav sent a reply larger than Ovrana accepts"},
        {problem(K::NoPassword), "no password for dav: none in the keyring and none given"},
        {problem(K::None), ""},
    };
    for (const auto& [problem, text] : rows) {
        EXPECT_EQ(SyncProblemText(problem, English), text);
    }
    const auto failed = [](int exitStatus, std::string detail, bool timedOut = false) {
        PasswordResult r;
        std::tie(r.status, r.exitStatus, r.detail, r.timedOut) =
            std::make_tuple(PasswordResult::Status::CommandFailed, exitStatus, detail, timedOut);
        return r;
    };
    PasswordResult none;
    std::tie(none.status, none.detail) =
        std::make_tuple(PasswordResult::Status::NoKeyring, "no bus");
    const std::pair<PasswordResult, std::string> passwords[] = {
        {none, "no keyring answers: no bus"},
        {failed(2, "denied"), "the password command failed with status 2: denied"},
        {failed(-1, "", true), "the password command gave no answer within 60 seconds"},
        {failed(0, ""), "the password command printed no password"},
    };
    for (const auto& [result, text] : passwords) {
        EXPECT_EQ(PasswordProblemText(result, English), text);
    }
}
