// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// What a WebDAV multistatus reply says, read into plain values: only the properties a read-only
// CardDAV client and a CalDAV publisher ask for. Every text is kept as the server sent it, hrefs
// undecoded.

struct DavResource {
    QString href;
    int status = 0;  // of the response, else of its found (200) properties; 0 when none given
    QString displayName;
    bool addressBook = false;  // resourcetype holds CARDDAV:addressbook
    bool collection = false;   // resourcetype holds DAV:collection
    QString principal;         // current-user-principal's href
    QString home;              // addressbook-home-set's first href
    bool calendar = false;     // resourcetype holds CALDAV:calendar
    QString calendarHome;      // calendar-home-set's first href
    QString etag;
    QByteArray addressData;  // the card, as UTF-8
};

struct DavMultistatus {
    std::vector<DavResource> responses;
    QString syncToken;  // of a sync-collection reply
    QString error;      // empty when read; else why the XML is not a multistatus
};

// A malformed reply or one that is no multistatus sets `error`.
DavMultistatus ReadMultistatus(const QByteArray& xml);

// The precondition a DAV:error body names ("valid-sync-token"), else empty.
QString ReadDavError(const QByteArray& xml);
