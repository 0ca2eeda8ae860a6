// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The mailto: URL of a birthday greeting to `address`. The address is percent-encoded wherever
// it holds a character that could end it or start another recipient or header (`?`, `&`, `#`,
// `%`, `,`, `;`, ...) or that no URL may hold, so that it is always one recipient and the subject
// is the only header; an ordinary address passes byte for byte.
std::string GreetingMailUrl(std::string_view address);
