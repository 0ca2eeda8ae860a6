// SPDX-License-Identifier: MIT
#include "DavReplies.h"

#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

bool Is(const QXmlStreamReader& xml, const QString& ns, const char* name) {
    return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
}

// "HTTP/1.1 404 Not Found" → 404; 0 when it is not a status line.
int StatusCode(const QString& line) {
    const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    const int code = parts.size() >= 2 ? parts[1].toInt(&ok) : 0;
    return ok && code >= 100 && code <= 999 ? code : 0;
}

// The first DAV:href inside the current element, which is then read to its end.
QString FirstHref(QXmlStreamReader& xml) {
    QString href;
    while (xml.readNextStartElement()) {
        if (href.isEmpty() && Is(xml, kDav, "href")) {
            href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    return href;
}

void ReadProp(QXmlStreamReader& xml, DavResource& into) {
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "displayname")) {
            into.displayName = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (Is(xml, kDav, "getetag")) {
            into.etag = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kCardDav, "address-data")) {
            into.addressData = xml.readElementText(QXmlStreamReader::SkipChildElements).toUtf8();
        } else if (Is(xml, kDav, "current-user-principal")) {
            into.principal = FirstHref(xml);
        } else if (Is(xml, kCardDav, "addressbook-home-set")) {
            into.home = FirstHref(xml);
        } else if (Is(xml, kCalDav, "calendar-home-set")) {
            into.calendarHome = FirstHref(xml);
        } else if (Is(xml, kDav, "resourcetype")) {
            while (xml.readNextStartElement()) {
                into.addressBook = into.addressBook || Is(xml, kCardDav, "addressbook");
                into.collection = into.collection || Is(xml, kDav, "collection");
                into.calendar = into.calendar || Is(xml, kCalDav, "calendar");
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

// Properties count only from a propstat whose status is 200 (or that gives none).
void ReadPropstat(QXmlStreamReader& xml, DavResource& resource) {
    DavResource found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "prop")) {
            ReadProp(xml, found);
        } else if (Is(xml, kDav, "status")) {
            status = StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        } else {
            xml.skipCurrentElement();
        }
    }
    if (status != 0 && status != 200) {
        return;
    }
    const auto take = [](QString& to, const QString& from) {
        if (!from.isEmpty()) {
            to = from;
        }
    };
    take(resource.displayName, found.displayName);
    take(resource.etag, found.etag);
    take(resource.principal, found.principal);
    take(resource.home, found.home);
    take(resource.calendarHome, found.calendarHome);
    if (!found.addressData.isEmpty()) {
        resource.addressData = found.addressData;
    }
    resource.addressBook = resource.addressBook || found.addressBook;
    resource.collection = resource.collection || found.collection;
    resource.calendar = resource.calendar || found.calendar;
    if (resource.status == 0) {
        resource.status = 200;
    }
}

DavResource ReadResponse(QXmlStreamReader& xml) {
    DavResource resource;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "href") && resource.href.isEmpty()) {
            resource.href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kDav, "status")) {
            resource.status = StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        } else if (Is(xml, kDav, "propstat")) {
            ReadPropstat(xml, resource);
        } else {
            xml.skipCurrentElement();
        }
    }
    return resource;
}

}  // namespace

DavMultistatus ReadMultistatus(const QByteArray& body) {
    DavMultistatus reply;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !Is(xml, kDav, "multistatus")) {
        if (!xml.hasError()) {
            reply.error = QStringLiteral("the reply is not a WebDAV multistatus");
            return reply;
        }
    } else {
        while (xml.readNextStartElement()) {
            if (Is(xml, kDav, "response")) {
                reply.responses.push_back(ReadResponse(xml));
            } else if (Is(xml, kDav, "sync-token")) {
                reply.syncToken =
                    xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            } else {
                xml.skipCurrentElement();
            }
        }
        // The rest of the document too: a reply cut short is not taken as complete.
        while (!xml.atEnd()) {
            xml.readNext();
        }
    }
    if (xml.hasError()) {
        reply.error = QStringLiteral("malformed XML at line %1: %2")
                          .arg(xml.lineNumber())
                          .arg(xml.errorString().left(200));
        reply.responses.clear();
        reply.syncToken.clear();
    }
    return reply;
}

QString ReadDavError(const QByteArray& body) {
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !Is(xml, kDav, "error")) {
        return {};
    }
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == kDav) {
            return xml.name().toString();
        }
        xml.skipCurrentElement();
    }
    return {};
}
