// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QUrl>
#include <memory>
#include <utility>
#include <vector>

#include "AddressBookSync.h"

class QNetworkAccessManager;

// One reply of a server, read whole.
struct DavReply {
    int status = 0;
    QByteArray body;
    QUrl url;         // where it came from, after redirects
    QByteArray etag;  // the ETag header, when one came
};

// Headers a request adds to its usual ones: a body's Content-Type, If-Match, If-None-Match.
using DavHeaders = std::vector<std::pair<QByteArray, QByteArray>>;

// The server of `url` as the user's messages name it: the host, with its port when not the
// scheme's default.
std::string ServerName(const std::string& url);

// Why a server at `url` cannot be asked: no password could be had (`detail`: why not).
SyncProblem NoPasswordFor(const std::string& url, const std::string& detail);

// Requests to one CardDAV server, each waited for in a local event loop, so that it works in
// any thread and without a running application loop. The password goes only to the origin the
// user gave; a redirect elsewhere gets none.
class DavClient {
public:
    explicit DavClient(const DavLogin& login);
    ~DavClient();
    DavClient(const DavClient&) = delete;
    DavClient& operator=(const DavClient&) = delete;

    // InsecureUrl for http:// to a host that is not a loopback address (checked before anything
    // is sent, for the URL and every redirect), NotAnAddressBook for a URL that is no http(s).
    SyncProblem Check(const QUrl& url) const;

    // PROPFIND or REPORT (with `depth` 0 or 1; -1: no Depth header), GET, PUT, DELETE or
    // MKCALENDAR. Redirects are followed a few times; a status of 400 and above is the caller's
    // to judge, except 401.
    SyncProblem Send(const QByteArray& method, const QUrl& url, int depth, const QByteArray& body,
                     DavReply& reply, const DavHeaders& headers = {});

    const QUrl& Base() const { return base_; }
    // The host, with its port when not the scheme's default.
    std::string Server() const { return ServerName(base_.toString().toStdString()); }

    // Limits, beyond which a request ends as TimedOut or TooLarge; tests make them smaller.
    static int timeoutMs;
    static qint64 maxReplyBytes;

private:
    QUrl base_;
    QByteArray authorization_;
    QByteArray certificate_;  // trusted SHA-256, lower-case hex
    std::unique_ptr<QNetworkAccessManager> network_;
};
