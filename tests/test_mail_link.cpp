// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "reminder/MailLink.h"

TEST(MailLink, OneRecipientAndTheSubjectAlone) {
    const std::pair<const char*, const char*> rows[] = {
        {"tZ+o'hara9@example.org", "mailto:tZ+o'hara9@example.org?Subject=Happy%20Birthday!"},
        {"x@y.org?cc=z@evil.org&body=hi",
         "mailto:x@y.org%3Fcc%3Dz@evil.org%26body%3Dhi?Subject=Happy%20Birthday!"},
        {"a@b.org,c@d.org;e@f.org#x%41",
         "mailto:a@b.org%2Cc@d.org%3Be@f.org%23x%2541?Subject=Happy%20Birthday!"},
        {"Jörg <j@x.de>\n", "mailto:J%C3%B6rg%20%3Cj@x.de%3E%0A?Subject=Happy%20Birthday!"},
    };
    for (const auto& [address, url] : rows) {
        EXPECT_EQ(GreetingMailUrl(address), url);
    }
}
