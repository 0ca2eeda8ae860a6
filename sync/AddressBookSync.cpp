// SPDX-License-Identifier: MIT
#include "AddressBookSync.h"

#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "DavClient.h"
#include "DavReplies.h"
#include "DavRequests.h"

namespace {

// Cards asked for in one addressbook-multiget.
constexpr std::size_t kBatch = 200;
// A card beyond this is skipped: far above one with a photo.
constexpr qsizetype kMaxCardBytes = qsizetype{16} << 20;

const QByteArray kFindProps =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><d:current-user-principal/><c:addressbook-home-set/>"
    "</d:prop></d:propfind>";
const QByteArray kEtags =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>";

QByteArray SyncCollection(const std::string& token) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" +
           QString::fromStdString(token).toHtmlEscaped().toUtf8() +
           "</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop>"
           "</d:sync-collection>";
}

QByteArray Multiget(const std::vector<QString>& hrefs) {
    QByteArray body =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
        "<c:addressbook-multiget xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
        "<d:prop><d:getetag/><c:address-data/></d:prop>";
    for (const QString& href : hrefs) {
        body += "<d:href>" + href.toHtmlEscaped().toUtf8() + "</d:href>";
    }
    return body + "</c:addressbook-multiget>";
}

std::string DisplayName(const DavResource& book, const QUrl& url) {
    if (!book.displayName.trimmed().isEmpty()) {
        return book.displayName.trimmed().toStdString();
    }
    QString path = url.path(QUrl::FullyDecoded);
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toStdString();
}

// What a listing says of one card: its etag, or that it is gone.
struct Listed {
    QString href;
    QString etag;
    bool gone = false;
};

// The members of the address book with their etags: by sync-collection when the server has it
// (`complete` false when only the changes since `token` came), else by PROPFIND.
SyncProblem List(DavClient& client, const QUrl& book, const std::string& token,
                 std::map<QString, Listed>& members, std::string& newToken, bool& complete) {
    const QString self = Key(book, book.toString());
    // An invalid token (403 or 409 valid-sync-token): once more from the start.
    const std::vector<std::string> tries =
        token.empty() ? std::vector<std::string>{""} : std::vector<std::string>{token, ""};
    for (const std::string& from : tries) {
        DavReply raw;
        SyncProblem problem = client.Send("REPORT", book, 0, SyncCollection(from), raw);
        if (problem.Failed()) {
            return problem;
        }
        if (raw.status == 403 && ReadDavError(raw.body).isEmpty()) {
            return Unexpected(client, raw.status, "REPORT " + book.toString().toStdString());
        }
        if (raw.status != 207) {
            continue;  // an invalid token, or no sync-collection at all
        }
        const DavMultistatus reply = ReadMultistatus(raw.body);
        if (!reply.error.isEmpty()) {
            return Unexpected(client, raw.status, reply.error.toStdString());
        }
        complete = from.empty();
        newToken = reply.syncToken.toStdString();
        for (const DavResource& response : reply.responses) {
            const QString key = Key(book, response.href);
            if (key != self && !response.collection) {
                members[key] = {response.href, response.etag, response.status == 404};
            }
        }
        return {};
    }
    DavMultistatus reply;
    if (SyncProblem problem = Propfind(client, book, 1, kEtags, reply); problem.Failed()) {
        // Gone: deleted on the server, say, since it was added.
        if (problem.kind == SyncProblem::Kind::ServerError && problem.status == 404) {
            problem.kind = SyncProblem::Kind::NotAnAddressBook;
            problem.detail = book.toString().toStdString();
        }
        return problem;
    }
    complete = true;
    newToken.clear();
    for (const DavResource& response : reply.responses) {
        const QString key = Key(book, response.href);
        if (key != self && !response.collection && response.status == 200) {
            members[key] = {response.href, response.etag, false};
        }
    }
    return {};
}

// The cards of `hrefs`, parsed; a card that cannot be read, or too big, is left out. A batch
// too big as a whole is asked for one card at a time.
SyncProblem Fetch(DavClient& client, const QUrl& book, const std::vector<QString>& hrefs,
                  std::map<QString, CopiedCard>& cards) {
    for (std::size_t from = 0; from < hrefs.size(); from += kBatch) {
        const std::vector<QString> batch(
            hrefs.begin() + static_cast<std::ptrdiff_t>(from),
            hrefs.begin() + static_cast<std::ptrdiff_t>(std::min(hrefs.size(), from + kBatch)));
        DavReply raw;
        SyncProblem problem = client.Send("REPORT", book, 0, Multiget(batch), raw);
        if (problem.kind == SyncProblem::Kind::TooLarge && batch.size() > 1) {
            for (const QString& href : batch) {
                problem = Fetch(client, book, {href}, cards);
                if (problem.Failed()) {
                    return problem;
                }
            }
            continue;
        }
        if (problem.kind == SyncProblem::Kind::TooLarge) {
            continue;
        }
        if (problem.Failed()) {
            return problem;
        }
        if (raw.status != 207) {
            return Unexpected(client, raw.status, "addressbook-multiget");
        }
        const DavMultistatus reply = ReadMultistatus(raw.body);
        if (!reply.error.isEmpty()) {
            return Unexpected(client, raw.status, reply.error.toStdString());
        }
        for (const DavResource& response : reply.responses) {
            if (response.status != 200 || response.addressData.size() > kMaxCardBytes) {
                continue;
            }
            const VCardParse parse =
                ParseVCards(std::string_view(response.addressData.constData(),
                                             static_cast<std::size_t>(response.addressData.size())),
                            1);
            if (parse.problem.Failed() || parse.contacts.size() != 1) {
                continue;
            }
            cards[Key(book, response.href)] = CopyCard(
                response.href.toStdString(), response.etag.toStdString(), parse.contacts.front());
        }
    }
    return {};
}

// Dated contacts by UID.
std::map<std::string, const CopiedCard*> Dated(const std::vector<CopiedCard>& cards) {
    std::map<std::string, const CopiedCard*> dated;
    for (const CopiedCard& card : cards) {
        if (!card.dates.empty()) {
            dated[card.uid] = &card;
        }
    }
    return dated;
}

bool SameDates(const std::vector<ContactDate>& a, const std::vector<ContactDate>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ContactDate& x, const ContactDate& y) {
                          return x.anniversary == y.anniversary && x.day == y.day &&
                                 x.month == y.month && x.year == y.year;
                      });
}

// The choices of contacts the cards still hold.
void DropGoneChoices(AddressBookCopy& copy) {
    std::set<std::string> uids;
    for (const CopiedCard& card : copy.cards) {
        uids.insert(card.uid);
    }
    std::erase_if(copy.choices, [&](const auto& entry) {
        return uids.count(entry.first.substr(0, entry.first.rfind('\n'))) == 0;
    });
}

// The cards and token of `synced` into the latest copy, which keeps the user's choices.
void TakeSync(AddressBookCopy& latest, const AddressBookCopy& synced) {
    auto choices = std::move(latest.choices);
    latest = synced;
    latest.choices = std::move(choices);
    DropGoneChoices(latest);
}

SyncProblem LocalProblem(const std::string& path, int error) {
    SyncProblem problem;
    problem.kind = SyncProblem::Kind::ServerError;
    problem.detail = "the local copy " + path + " cannot be written: " + std::strerror(error);
    return problem;
}

}  // namespace

SyncProblem FindAddressBooks(const DavLogin& login, std::vector<FoundAddressBook>& found) {
    found.clear();
    DavClient client(login);
    const QUrl start = client.Base();
    if (SyncProblem problem = client.Check(start); problem.Failed()) {
        return problem;
    }
    DavMultistatus reply;
    QUrl at = start;
    SyncProblem problem = Propfind(client, start, 0, kFindProps, reply, &at);
    // A status such as 404 or 405 only says that discovery goes on elsewhere.
    const auto fatal = [](const SyncProblem& problem) {
        return problem.Failed() &&
               (problem.kind != SyncProblem::Kind::ServerError || problem.status < 400);
    };
    if (fatal(problem)) {
        return problem;
    }
    const DavResource* self = problem.Failed() ? nullptr : Self(reply, at);
    if (self != nullptr && self->addressBook) {
        found.push_back({at.toString().toStdString(), DisplayName(*self, at)});
        return {};
    }
    // The home of the user's address books: from the URL itself, its principal, or the
    // server's well-known address.
    QUrl home;
    QUrl principal;
    if (self != nullptr) {
        home = self->home.isEmpty() ? QUrl() : at.resolved(QUrl(self->home));
        principal = self->principal.isEmpty() ? QUrl() : at.resolved(QUrl(self->principal));
    }
    if (home.isEmpty() && principal.isEmpty()) {
        QUrl known = start;
        known.setPath(QStringLiteral("/.well-known/carddav"));
        known.setQuery(QString());
        if (!Propfind(client, known, 0, kFindProps, reply, &at).Failed() &&
            (self = Self(reply, at)) != nullptr) {
            home = self->home.isEmpty() ? QUrl() : at.resolved(QUrl(self->home));
            principal = self->principal.isEmpty() ? QUrl() : at.resolved(QUrl(self->principal));
        }
    }
    if (home.isEmpty() && !principal.isEmpty()) {
        problem = Propfind(client, principal, 0, kFindProps, reply, &at);
        if (problem.Failed()) {
            return problem;
        }
        self = Self(reply, at);
        if (self != nullptr && !self->home.isEmpty()) {
            home = at.resolved(QUrl(self->home));
        }
    }
    // Without a home, the URL's own members may be address books.
    problem = Propfind(client, home.isEmpty() ? start : home, 1, kFindProps, reply, &at);
    if (fatal(problem)) {
        return problem;
    }
    for (const DavResource& response : reply.responses) {
        if (response.addressBook && response.status == 200) {
            const QUrl url = at.resolved(QUrl(response.href));
            found.push_back({url.toString().toStdString(), DisplayName(response, url)});
        }
    }
    if (found.empty()) {
        problem = {};
        problem.kind = SyncProblem::Kind::NotAnAddressBook;
        problem.server = client.Server();
        problem.detail = start.toString().toStdString();
        return problem;
    }
    return {};
}

SyncProblem SyncCopy(AddressBookCopy& copy, const std::string& password, std::int64_t now,
                     SyncCounts& counts) {
    counts = {};
    DavClient client({copy.url, copy.user, password, copy.certificate});
    const QUrl book = client.Base();
    const auto fail = [&](SyncProblem problem) {
        copy.lastError = problem;
        return problem;
    };
    std::map<QString, Listed> members;
    std::string token;
    bool complete = true;
    if (SyncProblem problem = client.Check(book); problem.Failed()) {
        return fail(problem);
    }
    if (SyncProblem problem = List(client, book, copy.syncToken, members, token, complete);
        problem.Failed()) {
        return fail(problem);
    }
    // What stays as it is, and what must be fetched.
    std::map<QString, CopiedCard> kept;
    for (const CopiedCard& card : copy.cards) {
        const QString key = Key(book, QString::fromStdString(card.href));
        const auto listed = members.find(key);
        if (listed == members.end()
                ? !complete
                : !listed->second.gone && listed->second.etag.toStdString() == card.etag &&
                      !card.etag.empty()) {
            kept[key] = card;
        }
    }
    std::vector<QString> fetch;
    for (const auto& [key, listed] : members) {
        if (!listed.gone && kept.count(key) == 0) {
            fetch.push_back(listed.href);
        }
    }
    if (SyncProblem problem = Fetch(client, book, fetch, kept); problem.Failed()) {
        return fail(problem);
    }
    std::vector<CopiedCard> cards;
    cards.reserve(kept.size());
    for (auto& [key, card] : kept) {
        cards.push_back(std::move(card));
    }
    const auto before = Dated(copy.cards);
    const auto after = Dated(cards);
    for (const auto& [uid, card] : after) {
        const auto old = before.find(uid);
        if (old == before.end()) {
            ++counts.added;
        } else if (old->second->name != card->name || !SameDates(old->second->dates, card->dates)) {
            ++counts.changed;
        }
        counts.dates += card->dates.size();
    }
    for (const auto& [uid, card] : before) {
        counts.removed += after.count(uid) == 0 ? 1 : 0;
    }
    counts.contacts = cards.size();
    copy.cards = std::move(cards);
    copy.syncToken = token;
    copy.lastSync = now;
    copy.lastError = {};
    DropGoneChoices(copy);
    return {};
}

std::vector<BookOutcome> AddAddressBooks(const DavLogin& login,
                                         const std::vector<FoundAddressBook>& chosen,
                                         const std::string& folder, std::int64_t now) {
    std::vector<BookOutcome> outcomes;
    for (const FoundAddressBook& one : chosen) {
        AddressBookCopy copy;
        copy.url = one.url;
        copy.addedWith = login.url;
        copy.user = login.user;
        copy.displayName = one.displayName;
        copy.certificate = login.certificate;
        BookOutcome outcome{CopyPathFor(folder, one.url), one.url, one.displayName, {}, {}};
        outcome.problem = SyncCopy(copy, login.password, now, outcome.counts);
        if (!outcome.problem.Failed()) {
            int error = 0;
            const CopyUpdate written = UpdateCopy(
                outcome.copyPath, [&](AddressBookCopy& latest) { TakeSync(latest, copy); }, true,
                &error);
            if (written != CopyUpdate::Written) {
                outcome.problem = LocalProblem(outcome.copyPath, error != 0 ? error : EBUSY);
            }
        }
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

BookOutcome SyncBook(const std::string& copyPath, const std::string& password, std::int64_t now) {
    BookOutcome outcome;
    outcome.copyPath = copyPath;
    AddressBookCopy copy;
    if (ReadCopy(copyPath, copy) != LoadStatus::Loaded) {
        outcome.problem.kind = SyncProblem::Kind::ServerError;
        outcome.problem.detail = "the local copy " + copyPath + " cannot be read";
        return outcome;
    }
    outcome.url = copy.url;
    outcome.displayName = copy.displayName;
    outcome.problem = SyncCopy(copy, password, now, outcome.counts);
    int error = 0;
    const CopyUpdate written = UpdateCopy(
        copyPath,
        [&](AddressBookCopy& latest) {
            if (outcome.problem.Failed()) {
                latest.lastError = outcome.problem;
            } else {
                TakeSync(latest, copy);
            }
        },
        false, &error);
    if (written == CopyUpdate::Busy || written == CopyUpdate::Failed) {
        if (!outcome.problem.Failed()) {
            outcome.problem = LocalProblem(copyPath, error != 0 ? error : EBUSY);
        }
    }
    return outcome;
}

std::vector<AddressBookCopy> RemoveAddressBooks(const std::string& folder, const std::string& url) {
    const auto same = [](std::string a, std::string b) {
        while (!a.empty() && a.back() == '/') {
            a.pop_back();
        }
        while (!b.empty() && b.back() == '/') {
            b.pop_back();
        }
        return !a.empty() && a == b;
    };
    std::vector<AddressBookCopy> removed;
    for (const std::string& path : CopyFiles(folder)) {
        AddressBookCopy copy;
        if (ReadCopy(path, copy) == LoadStatus::Loaded &&
            (same(copy.url, url) || same(copy.addedWith, url))) {
            std::error_code error;
            if (std::filesystem::remove(path, error) || !std::filesystem::exists(path)) {
                std::filesystem::remove(path + ".bak", error);
                std::filesystem::remove(path + ".lock", error);
                removed.push_back(std::move(copy));
            }
        }
    }
    return removed;
}
