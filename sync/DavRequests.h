// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

#include "DavClient.h"
#include "DavReplies.h"

// Steps the CardDAV and CalDAV clients share.

// The same resource however the server spells its path.
QString Key(const QUrl& base, const QString& href);

// A status the caller did not expect: 403 as a refused login, else a server error.
SyncProblem Unexpected(const DavClient& client, int status, const std::string& detail);

// A PROPFIND answered with a multistatus; other statuses are problems with the status. `at`
// receives the URL that answered, after redirects.
SyncProblem Propfind(DavClient& client, const QUrl& url, int depth, const QByteArray& body,
                     DavMultistatus& reply, QUrl* at = nullptr);

// The response about `url` itself in a Depth 0 reply.
const DavResource* Self(const DavMultistatus& reply, const QUrl& url);
