// SPDX-License-Identifier: MIT
#include "DavClient.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>
#include <algorithm>
#include <vector>

// A large address book on a busy server may think for a while before its first byte.
int DavClient::timeoutMs = 60'000;
// Far above 50,000 small cards in one listing, or a batch of cards with photos.
qint64 DavClient::maxReplyBytes = qint64{64} << 20;

namespace {

constexpr int kMaxRedirects = 5;

bool IsLoopback(const QString& host) {
    const QHostAddress address(host);
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           (!address.isNull() && address.isLoopback());
}

bool SameOrigin(const QUrl& a, const QUrl& b) {
    const auto port = [](const QUrl& url) {
        return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    };
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           port(a) == port(b);
}

}  // namespace

DavClient::DavClient(const DavLogin& login)
    : base_(QUrl(QString::fromStdString(login.url), QUrl::StrictMode)),
      certificate_(QByteArray::fromStdString(login.certificate)),
      network_(std::make_unique<QNetworkAccessManager>()) {
    authorization_ =
        "Basic " + QByteArray::fromStdString(login.user + ":" + login.password).toBase64();
    // No cookie jar or cache: every request stands on its own.
    network_->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

DavClient::~DavClient() = default;

std::string ServerName(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    QString server = parsed.host();
    if (server.contains(QLatin1Char(':'))) {
        server = QLatin1Char('[') + server + QLatin1Char(']');
    }
    const int standard = parsed.scheme() == QLatin1String("https") ? 443 : 80;
    if (parsed.port(standard) != standard) {
        server += QLatin1Char(':') + QString::number(parsed.port());
    }
    return server.isEmpty() ? url : server.toStdString();
}

SyncProblem NoPasswordFor(const std::string& url, const std::string& detail) {
    return {SyncProblem::Kind::NoPassword, ServerName(url), 0, {}, detail};
}

SyncProblem DavClient::Check(const QUrl& url) const {
    SyncProblem problem;
    problem.server = Server();
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        problem.kind = SyncProblem::Kind::NotAnAddressBook;
        problem.detail = "not an http:// or https:// address: " + url.toString().toStdString();
    } else if (scheme == QLatin1String("http") && !IsLoopback(url.host())) {
        problem.kind = SyncProblem::Kind::InsecureUrl;
    }
    return problem;
}

SyncProblem DavClient::Send(const QByteArray& method, const QUrl& url, int depth,
                            const QByteArray& body, DavReply& reply, const DavHeaders& headers) {
    QUrl target = url;
    std::vector<QUrl> seen;
    for (int hop = 0;; ++hop) {
        SyncProblem problem = Check(target);
        if (problem.Failed()) {
            return problem;
        }
        QNetworkRequest request(target);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        request.setTransferTimeout(timeoutMs);
        request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Ovrana"));
        if (!body.isEmpty()) {
            request.setHeader(QNetworkRequest::ContentTypeHeader,
                              QByteArrayLiteral("application/xml; charset=utf-8"));
        }
        if (depth >= 0) {
            request.setRawHeader("Depth", QByteArray::number(depth));
        }
        for (const auto& [name, value] : headers) {
            request.setRawHeader(name, value);
        }
        if (SameOrigin(target, base_)) {
            request.setRawHeader("Authorization", authorization_);
        }
        QNetworkReply* const sent = network_->sendCustomRequest(request, method, body);
        std::unique_ptr<QNetworkReply> owned(sent);
        QByteArray data;
        bool tooLarge = false;
        bool late = false;
        QByteArray untrusted;
        QEventLoop loop;
        const auto tooMuch = [&](qint64 bytes) {
            if (bytes > maxReplyBytes && !tooLarge) {
                tooLarge = true;
                sent->abort();
            }
        };
        QObject::connect(sent, &QNetworkReply::metaDataChanged, &loop, [&] {
            tooMuch(sent->header(QNetworkRequest::ContentLengthHeader).toLongLong());
        });
        QObject::connect(sent, &QNetworkReply::readyRead, &loop, [&] {
            tooMuch(data.size() + sent->bytesAvailable());
            if (!tooLarge) {
                data += sent->readAll();
            }
        });
        QObject::connect(
            sent, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError>& errors) {
                QSslCertificate peer = sent->sslConfiguration().peerCertificate();
                if (peer.isNull() && !errors.isEmpty()) {
                    peer = errors.first().certificate();
                }
                const QByteArray digest = peer.digest(QCryptographicHash::Sha256).toHex();
                if (!certificate_.isEmpty() && digest == certificate_) {
                    sent->ignoreSslErrors();
                } else {
                    untrusted = digest;
                }
            });
        // The transfer timeout ends a silent server; this one a server that trickles for ever.
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
            late = true;
            sent->abort();
        });
        deadline.start(timeoutMs * 10);
        QObject::connect(sent, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!sent->isFinished()) {
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (!tooLarge && sent->isOpen()) {
            data += sent->readAll();
            tooMuch(data.size());
        }
        const QNetworkReply::NetworkError error = sent->error();
        const int status = sent->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        problem.status = status;
        if (tooLarge) {
            problem.kind = SyncProblem::Kind::TooLarge;
            problem.detail = target.toString().toStdString();
            return problem;
        }
        if (!untrusted.isEmpty() && status == 0) {
            problem.kind = SyncProblem::Kind::Untrusted;
            problem.fingerprint = untrusted.toStdString();
            return problem;
        }
        if (late || (status == 0 && (error == QNetworkReply::OperationCanceledError ||
                                     error == QNetworkReply::TimeoutError))) {
            problem.kind = SyncProblem::Kind::TimedOut;
            return problem;
        }
        if (status == 0) {
            problem.kind = SyncProblem::Kind::Unreachable;
            problem.detail = sent->errorString().toStdString();
            return problem;
        }
        if (status == 401) {
            problem.kind = SyncProblem::Kind::LoginRefused;
            return problem;
        }
        const QUrl location = sent->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (status >= 300 && status < 400 && location.isValid() && !location.isEmpty()) {
            seen.push_back(target);
            target = target.resolved(location);
            if (std::find(seen.begin(), seen.end(), target) != seen.end() ||
                hop + 1 > kMaxRedirects) {
                problem.kind = SyncProblem::Kind::ServerError;
                problem.detail = "redirected in a loop: " + target.toString().toStdString();
                return problem;
            }
            continue;
        }
        reply = {status, data, target, sent->rawHeader("ETag")};
        return {};
    }
}
