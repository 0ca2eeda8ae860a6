// SPDX-License-Identifier: MIT
#include "CalendarPublish.h"

#include <map>

#include "DavRequests.h"

namespace {

const QByteArray kFindProps =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><d:current-user-principal/><c:calendar-home-set/>"
    "</d:prop></d:propfind>";
const QByteArray kEtags =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>";

QByteArray MakeCalendar(const std::string& name) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
           "<d:set><d:prop><d:displayname>" +
           QString::fromStdString(name).toHtmlEscaped().toUtf8() +
           "</d:displayname><c:supported-calendar-component-set><c:comp name=\"VEVENT\"/>"
           "</c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
}

SyncProblem NotACalendar(const DavClient& client, const QUrl& url) {
    SyncProblem problem;
    problem.kind = SyncProblem::Kind::NotACalendar;
    problem.server = client.Server();
    problem.detail = url.toString().toStdString();
    return problem;
}

QUrl Folder(QUrl url) {
    if (!url.path().endsWith(QLatin1Char('/'))) {
        url.setPath(url.path() + QLatin1Char('/'));
    }
    return url;
}

// The calendar's members with their ETags, by path.
SyncProblem List(DavClient& client, const QUrl& calendar, std::map<QString, QString>& etags) {
    DavMultistatus reply;
    QUrl at = calendar;
    SyncProblem problem = Propfind(client, calendar, 1, kEtags, reply, &at);
    if (problem.Failed()) {
        return problem.kind == SyncProblem::Kind::ServerError && problem.status == 404
                   ? NotACalendar(client, calendar)
                   : problem;
    }
    const QString self = Key(at, at.toString());
    for (const DavResource& response : reply.responses) {
        const QString key = Key(at, response.href);
        if (key != self && !response.collection && response.status == 200) {
            etags[key] = response.etag;
        }
    }
    return {};
}

// The ETag the server now has for `url`; empty when it has none or the resource is gone.
QString EtagOf(DavClient& client, const QUrl& url) {
    DavMultistatus reply;
    if (Propfind(client, url, 0, kEtags, reply).Failed()) {
        return {};
    }
    const DavResource* self = Self(reply, url);
    return self != nullptr && self->status == 200 ? self->etag : QString();
}

// `method` (PUT or DELETE) over what the server has, `etag`, or where it has nothing (an empty
// `etag`). A 412 says it changed meanwhile: once more over its ETag as it is now.
SyncProblem Write(DavClient& client, const QByteArray& method, const QUrl& url, QString etag,
                  const QByteArray& body, DavReply& reply) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        DavHeaders headers;
        if (!body.isEmpty()) {
            headers.emplace_back("Content-Type", "text/calendar; charset=utf-8");
        }
        if (!etag.isEmpty()) {
            headers.emplace_back("If-Match", etag.toUtf8());
        } else if (method == "PUT") {
            headers.emplace_back("If-None-Match", "*");
        }
        SyncProblem problem = client.Send(method, url, -1, body, reply, headers);
        if (problem.Failed()) {
            return problem;
        }
        if (reply.status != 412) {
            break;
        }
        etag = EtagOf(client, url);
        if (etag.isEmpty() && method == "DELETE") {
            reply.status = 404;  // gone meanwhile: as good as deleted
            break;
        }
    }
    const bool done =
        (reply.status >= 200 && reply.status < 300) || (method == "DELETE" && reply.status == 404);
    return done ? SyncProblem{}
                : Unexpected(client, reply.status,
                             method.toStdString() + " " + url.toString().toStdString());
}

}  // namespace

SyncProblem FindCalendar(const DavLogin& login, const std::string& name,
                         PublishedCalendar& calendar) {
    DavClient client(login);
    const QUrl start = client.Base();
    if (SyncProblem problem = client.Check(start); problem.Failed()) {
        return problem;
    }
    // A status such as 404 or 405 only says that discovery goes on elsewhere.
    const auto fatal = [](const SyncProblem& problem) {
        return problem.Failed() &&
               (problem.kind != SyncProblem::Kind::ServerError || problem.status < 400);
    };
    DavMultistatus reply;
    QUrl at = start;
    SyncProblem problem = Propfind(client, start, 0, kFindProps, reply, &at);
    if (fatal(problem)) {
        return problem;
    }
    const DavResource* self = problem.Failed() ? nullptr : Self(reply, at);
    if (self != nullptr && self->calendar) {
        calendar.url = Folder(at).toString().toStdString();
        calendar.displayName = self->displayName.trimmed().isEmpty()
                                   ? name
                                   : self->displayName.trimmed().toStdString();
        return {};
    }
    QUrl home;
    QUrl principal;
    const auto take = [&] {
        if (self != nullptr) {
            home = self->calendarHome.isEmpty() ? home : at.resolved(QUrl(self->calendarHome));
            principal = self->principal.isEmpty() ? principal : at.resolved(QUrl(self->principal));
        }
    };
    take();
    if (home.isEmpty() && principal.isEmpty()) {
        QUrl known = start;
        known.setPath(QStringLiteral("/.well-known/caldav"));
        known.setQuery(QString());
        if (!Propfind(client, known, 0, kFindProps, reply, &at).Failed()) {
            self = Self(reply, at);
            take();
        }
    }
    if (home.isEmpty() && !principal.isEmpty()) {
        if (problem = Propfind(client, principal, 0, kFindProps, reply, &at); problem.Failed()) {
            return problem;
        }
        self = Self(reply, at);
        take();
    }
    if (home.isEmpty()) {
        return NotACalendar(client, start);
    }
    problem = Propfind(client, home, 1, kFindProps, reply, &at);
    if (problem.Failed()) {
        return fatal(problem) ? problem : NotACalendar(client, home);
    }
    const QString wanted = QString::fromStdString(name);
    for (const DavResource& response : reply.responses) {
        if (response.calendar && response.status == 200 &&
            response.displayName.trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
            calendar.url = Folder(at.resolved(QUrl(response.href))).toString().toStdString();
            calendar.displayName = response.displayName.trimmed().toStdString();
            return {};
        }
    }
    const QUrl made = Folder(at).resolved(QUrl(QStringLiteral("ovrana-birthdays/")));
    DavReply raw;
    if (problem = client.Send("MKCALENDAR", made, -1, MakeCalendar(name), raw); problem.Failed()) {
        return problem;
    }
    if (raw.status != 201) {
        return raw.status == 403 || raw.status == 401
                   ? Unexpected(client, raw.status, "MKCALENDAR " + made.toString().toStdString())
                   : NotACalendar(client, made);
    }
    calendar.url = made.toString().toStdString();
    calendar.displayName = name;
    return {};
}

SyncProblem PublishEvents(PublishedCalendar& calendar, const std::string& password,
                          const std::vector<CalendarEvent>& events, std::int64_t now,
                          PublishCounts& counts) {
    counts = {};
    DavClient client({calendar.url, calendar.user, password, calendar.certificate});
    const QUrl base = Folder(client.Base());
    std::map<std::string, PublishedEvent> ours;  // by UID
    for (const PublishedEvent& event : calendar.events) {
        ours[event.uid] = event;
    }
    const auto end = [&](SyncProblem problem) {
        calendar.events.clear();
        for (auto& [uid, event] : ours) {
            calendar.events.push_back(std::move(event));
        }
        calendar.lastError = problem;
        if (!problem.Failed()) {
            calendar.lastSync = now;
        }
        return problem;
    };
    if (SyncProblem problem = client.Check(base); problem.Failed()) {
        return end(problem);
    }
    std::map<QString, QString> listed;
    if (SyncProblem problem = List(client, base, listed); problem.Failed()) {
        return end(problem);
    }
    std::map<std::string, bool> wanted;
    for (const CalendarEvent& event : events) {
        wanted[event.uid] = true;
        const auto old = ours.find(event.uid);
        const QUrl url =
            old != ours.end()
                ? base.resolved(QUrl(QString::fromStdString(old->second.href)))
                : base.resolved(QUrl(QString::fromLatin1(
                      QUrl::toPercentEncoding(QString::fromStdString(event.uid)) + ".ics")));
        const auto there = listed.find(Key(base, url.toString()));
        const QString etag = there != listed.end() ? there->second : QString();
        if (old != ours.end() && there != listed.end() && !etag.isEmpty() &&
            etag.toStdString() == old->second.etag && old->second.hash == event.hash) {
            continue;
        }
        DavReply reply;
        if (SyncProblem problem =
                Write(client, "PUT", url, etag, QByteArray::fromStdString(event.text), reply);
            problem.Failed()) {
            return end(problem);
        }
        // A server need not give the ETag of what was put; then it is asked for.
        QString given = QString::fromUtf8(reply.etag);
        if (given.isEmpty()) {
            given = EtagOf(client, url);
        }
        ++(old != ours.end() ? counts.changed : counts.added);
        ours[event.uid] = {event.uid, url.path(QUrl::FullyEncoded).toStdString(),
                           given.toStdString(), event.hash};
    }
    for (auto it = ours.begin(); it != ours.end();) {
        if (wanted.count(it->first) != 0) {
            ++it;
            continue;
        }
        const QUrl url = base.resolved(QUrl(QString::fromStdString(it->second.href)));
        const auto there = listed.find(Key(base, url.toString()));
        if (there != listed.end()) {
            DavReply reply;
            if (SyncProblem problem = Write(client, "DELETE", url, there->second, {}, reply);
                problem.Failed()) {
                return end(problem);
            }
            ++counts.removed;
        }
        it = ours.erase(it);
    }
    return end({});
}

SyncProblem UnpublishEvents(PublishedCalendar& calendar, const std::string& password) {
    PublishCounts counts;
    const std::int64_t lastSync = calendar.lastSync;
    const SyncProblem problem = PublishEvents(calendar, password, {}, lastSync, counts);
    calendar.lastSync = lastSync;
    return problem;
}
