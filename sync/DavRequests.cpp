// SPDX-License-Identifier: MIT
#include "DavRequests.h"

// The same resource however the server spells its path.
QString Key(const QUrl& base, const QString& href) {
    QString path = base.resolved(QUrl(href)).path(QUrl::FullyDecoded);
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path;
}

SyncProblem Unexpected(const DavClient& client, int status, const std::string& detail) {
    SyncProblem problem;
    problem.server = client.Server();
    problem.status = status;
    problem.kind = status == 403 ? SyncProblem::Kind::LoginRefused : SyncProblem::Kind::ServerError;
    problem.detail = detail;
    return problem;
}

// A PROPFIND answered with a multistatus; other statuses are problems with the status.
SyncProblem Propfind(DavClient& client, const QUrl& url, int depth, const QByteArray& body,
                     DavMultistatus& reply, QUrl* at) {
    reply = {};
    DavReply raw;
    SyncProblem problem = client.Send("PROPFIND", url, depth, body, raw);
    if (problem.Failed()) {
        return problem;
    }
    if (raw.status != 207) {
        return Unexpected(client, raw.status, "PROPFIND " + url.toString().toStdString());
    }
    reply = ReadMultistatus(raw.body);
    if (!reply.error.isEmpty()) {
        return Unexpected(client, raw.status, reply.error.toStdString());
    }
    if (at != nullptr) {
        *at = raw.url;
    }
    return {};
}

// The response about `url` itself in a Depth 0 reply.
const DavResource* Self(const DavMultistatus& reply, const QUrl& url) {
    for (const DavResource& response : reply.responses) {
        if (Key(url, response.href) == Key(url, url.toString())) {
            return &response;
        }
    }
    return reply.responses.size() == 1 ? &reply.responses.front() : nullptr;
}
