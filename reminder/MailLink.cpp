// SPDX-License-Identifier: MIT
#include "MailLink.h"

namespace {

// What an address may hold as it is: the unreserved characters and the delimiters an address
// uses without ending it. A comma would start a second recipient, and so would a semicolon for
// some mail programs.
bool KeptAsIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~!$'()*+:@").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::string GreetingMailUrl(std::string_view address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "mailto:";
    for (const char ch : address) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptAsIs(c)) {
            url.push_back(ch);
        } else {
            url.append({'%', kHex[c >> 4], kHex[c & 15]});
        }
    }
    return url.append("?Subject=Happy%20Birthday!");
}
