// SPDX-License-Identifier: MIT
// The CardDAV client against hostile servers, served in this process: the client's own event
// loop answers them while it waits.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

#include "sync/AddressBookSync.h"
#include "sync/DavClient.h"

namespace {

// Answers each request with what `answer` gives for its text; nothing: stays silent.
class FakeServer {
public:
    explicit FakeServer(std::function<QByteArray(const QByteArray&)> answer)
        : answer_(std::move(answer)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                request_ += socket->readAll();
                const qsizetype end = request_.indexOf("\r\n\r\n");
                const QByteArray length = "Content-Length: ";
                const qsizetype at = request_.indexOf(length);
                const int body =
                    at < 0 ? 0 : request_.mid(at + length.size()).split('\r')[0].toInt();
                if (end >= 0 && request_.size() >= end + 4 + body) {
                    requests.push_back(request_);
                    socket->write(answer_(request_));
                    request_.clear();
                }
            });
        });
    }
    QString Url(const char* path = "/") const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    std::vector<QByteArray> requests;

private:
    std::function<QByteArray(const QByteArray&)> answer_;
    QTcpServer server_;
    QByteArray request_;
};

QByteArray Reply(const char* status, const QByteArray& body, const QByteArray& headers = {}) {
    return "HTTP/1.1 " + QByteArray(status) + "\r\n" + headers +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

int argc = 1;
char name[] = "tests";
char* argv[] = {name, nullptr};
QCoreApplication application(argc, argv);

}  // namespace

TEST(DavClient, HostileServerEndsInAClearProblem) {
    DavClient::timeoutMs = 500;
    DavClient::maxReplyBytes = 1 << 20;
    const struct {
        const char* name;
        QByteArray answer;
        SyncProblem::Kind kind;
    } rows[] = {
        {"never answers", {}, SyncProblem::Kind::TimedOut},
        {"redirect loop", Reply("301 Moved", {}, "Location: /a\r\n"),
         SyncProblem::Kind::ServerError},
        {"huge announced", "HTTP/1.1 207 Multi\r\nContent-Length: 99999999\r\n\r\n<",
         SyncProblem::Kind::TooLarge},
        {"huge sent", "HTTP/1.1 207 Multi\r\nConnection: close\r\n\r\n" + QByteArray(2 << 20, 'x'),
         SyncProblem::Kind::TooLarge},
        {"malformed XML", Reply("207 Multi", "<multistatus xmlns='DAV:'><response>"),
         SyncProblem::Kind::ServerError},
        {"password refused", Reply("401 No", {}), SyncProblem::Kind::LoginRefused},
    };
    for (const auto& row : rows) {
        FakeServer server([&](const QByteArray&) { return row.answer; });
        std::vector<FoundAddressBook> found;
        const SyncProblem problem =
            FindAddressBooks({server.Url().toStdString(), "u", "p", ""}, found);
        EXPECT_EQ(problem.kind, row.kind) << row.name << " " << problem.detail;
    }
    std::vector<FoundAddressBook> found;
    EXPECT_EQ(FindAddressBooks({"http://192.0.2.1/", "u", "p", ""}, found).kind,
              SyncProblem::Kind::InsecureUrl);
}

TEST(DavClient, PasswordStaysWithItsOrigin) {
    FakeServer elsewhere([](const QByteArray&) { return Reply("404 No", {}); });
    FakeServer server([&](const QByteArray&) {
        return Reply("307 There", {}, "Location: " + elsewhere.Url("/x").toUtf8() + "\r\n");
    });
    // localhost and 127.0.0.1 are other origins, though the same machine.
    DavClient client({server.Url().toStdString(), "u", "p", ""});
    DavReply reply;
    client.Send("PROPFIND", server.Url(), 0, {}, reply);
    ASSERT_EQ(elsewhere.requests.size(), 1u);
    EXPECT_TRUE(server.requests.front().contains("Authorization: Basic"));
    EXPECT_FALSE(elsewhere.requests.front().contains("Authorization"));
}

TEST(AddressBookSync, InvalidTokenFallsBackToEtagsAndSkipsABadCard) {
    const QByteArray listing =
        "<multistatus xmlns='DAV:'><response><href>/b/</href><propstat><prop><resourcetype>"
        "<collection/></resourcetype></prop><status>HTTP/1.1 200 OK</status></propstat></response>"
        "<response><href>/b/1.vcf</href><propstat><prop><getetag>\"1\"</getetag></prop>"
        "</propstat></response><response><href>/b/2.vcf</href><propstat><prop><getetag>\"2\""
        "</getetag></prop></propstat></response></multistatus>";
    const QByteArray cards =
        "<multistatus xmlns='DAV:' xmlns:c='urn:ietf:params:xml:ns:carddav'><response><href>/b/1"
        ".vcf</href><propstat><prop><getetag>\"1\"</getetag><c:address-data>BEGIN:VCARD\nFN:A\n"
        "BDAY:1990-01-02\nEND:VCARD</c:address-data></prop></propstat></response><response><href>"
        "/b/2.vcf</href><propstat><prop><c:address-data>BEGIN:VCARD\nFN:B</c:address-data></prop>"
        "</propstat></response></multistatus>";
    FakeServer server([&](const QByteArray& request) {
        if (request.startsWith("PROPFIND")) {
            return Reply("207 Multi", listing);
        }
        return request.contains("sync-collection")
                   ? Reply("403 No", "<error xmlns='DAV:'><valid-sync-token/></error>")
                   : Reply("207 Multi", cards);
    });
    AddressBookCopy copy;
    copy.url = server.Url("/b/").toStdString();
    copy.syncToken = "old";
    copy.cards = {{"/b/9.vcf", "\"9\"", "gone", "G", "", {{false, 1, 1, 0}}}};
    copy.choices["gone\nb"] = {};
    SyncCounts counts;
    ASSERT_FALSE(SyncCopy(copy, "p", 5, counts).Failed());
    EXPECT_EQ(counts.added, 1u);
    EXPECT_EQ(counts.removed, 1u);
    EXPECT_EQ(counts.contacts, 1u);
    EXPECT_TRUE(copy.syncToken.empty());
    EXPECT_TRUE(copy.choices.empty());
}

// An address book deleted on the server is said to be none, not a server error.
TEST(AddressBookSync, GoneAddressBookIsNone) {
    FakeServer server([](const QByteArray&) { return Reply("404 Not Found", {}); });
    AddressBookCopy copy;
    copy.url = server.Url("/b/").toStdString();
    SyncCounts counts;
    EXPECT_EQ(SyncCopy(copy, "p", 5, counts).kind, SyncProblem::Kind::NotAnAddressBook);
}
