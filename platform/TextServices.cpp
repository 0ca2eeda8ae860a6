// SPDX-License-Identifier: MIT
#include "TextServices.h"

#include "formats/CalendarExport.h"

CalendarTexts TranslatedCalendarTexts(const Translator& say) {
    return {say("Calendar", QT_TRANSLATE_NOOP("Calendar", "%1's birthday")),
            say("Calendar", QT_TRANSLATE_NOOP("Calendar", "Born %1")),
            say("Calendar", QT_TRANSLATE_NOOP("Calendar", "Since %1"))};
}

std::string TranslatedCalendarName(const Translator& say) {
    return say("Calendar", QT_TRANSLATE_NOOP("Calendar", "Birthdays"));
}

std::string TranslatedAnniversaryName(const Translator& say) {
    return say("Import", QT_TRANSLATE_NOOP("Import", "%1's anniversary"));
}
