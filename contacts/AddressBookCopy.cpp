// SPDX-License-Identifier: MIT
#include "AddressBookCopy.h"

#include "formats/ContactImport.h"

CopiedCard CopyCard(std::string href, std::string etag, const VCardContact& contact) {
    CopiedCard card{std::move(href),          std::move(etag), contact.uid,
                    StoredName(contact.name), contact.email,   {}};
    if (card.uid.empty()) {
        card.uid = card.href;
    }
    for (const bool anniversary : {false, true}) {
        const VCardDate& date = anniversary ? contact.anniversary : contact.birthday;
        if (date.kind == VCardDate::Kind::Date && !card.name.empty()) {
            card.dates.push_back({anniversary, date.day, date.month, date.year});
        }
    }
    return card;
}
