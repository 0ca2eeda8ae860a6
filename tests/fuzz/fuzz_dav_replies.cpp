// SPDX-License-Identifier: MIT
// Any bytes as a server's WebDAV reply, read as a sync reads it: the multistatus, its cards
// parsed and copied. Must not crash, hang or touch memory that is not its own; a reply that is
// not understood gives nothing but its error, and every copied date is a calendar date.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "contacts/AddressBookCopy.h"
#include "records/Dates.h"
#include "sync/DavReplies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadDavError(bytes);
    const DavMultistatus reply = ReadMultistatus(bytes);
    if (!reply.error.isEmpty() && (!reply.responses.empty() || !reply.syncToken.isEmpty())) {
        std::fprintf(stderr, "reply broke: an error with content\n");
        std::abort();
    }
    for (const DavResource& response : reply.responses) {
        const VCardParse parse =
            ParseVCards(std::string_view(response.addressData.constData(),
                                         static_cast<std::size_t>(response.addressData.size())),
                        1);
        for (const VCardContact& contact : parse.contacts) {
            const CopiedCard card =
                CopyCard(response.href.toStdString(), response.etag.toStdString(), contact);
            for (const ContactDate& date : card.dates) {
                if (date.month < 1 || date.month > 12 || date.day < 1 ||
                    date.day > DaysInMonth(date.month, date.year == 0 ? 2000 : date.year)) {
                    std::fprintf(stderr, "reply broke: date %d.%d.%d\n", date.day, date.month,
                                 date.year);
                    std::abort();
                }
            }
        }
    }
    return 0;
}
