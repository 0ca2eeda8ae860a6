// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "text/Text.h"

// Marks an English template for lupdate, which reads the sources as text; the core has no Qt,
// so they stand for the text itself (spelled as Qt spells them, so both may meet).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

// What the wording needs from the user's locale and the platform's text rules.
class TextServices {
public:
    virtual ~TextServices() = default;
    // The full weekday name in the user's language; 0 = Sunday .. 6 = Saturday.
    virtual std::string DayName(int weekday) const = 0;
    // `text` with its first character (not byte) in upper case, the rest unchanged.
    virtual std::string UpperFirst(std::string_view text) const = 0;
    // The whole sentence template `source` of `context` in the user's language, its plural
    // form chosen by `n` (-1: none); %1.. and %n are left for FillIn. English is the source.
    virtual std::string Translate(const char* context, const char* source, int n) const {
        (void)context;
        (void)n;
        return source;
    }
};

struct CalendarTexts;

// A text of `context` in the user's language, by whichever translations the caller has at hand.
using Translator = std::function<std::string(const char* context, const char* source)>;

// What the calendar export and the contact import write into the user's calendar and records,
// the same from the windows and from the command line.
CalendarTexts TranslatedCalendarTexts(const Translator& translate);
std::string TranslatedAnniversaryName(const Translator& translate);
// The display name of the calendar the dates are published to, looked for and else made.
std::string TranslatedCalendarName(const Translator& translate);
