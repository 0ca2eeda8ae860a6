// SPDX-License-Identifier: MIT
#include "Passwords.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <memory>

#include "CoreApplication.h"

namespace {

// A keyring that is there answers at once, or after the user unlocks it.
constexpr int kKeyringMilliseconds = 60'000;
// Stderr beyond this is of no use in a one-line message.
constexpr qint64 kMaxWordsBytes = 1000;

QString Key(const std::string& url, const std::string& user) {
    return QString::fromStdString(url + " " + user);  // a URL holds no space
}

// Runs `job` to its end, or until the time is up.
PasswordResult Run(QKeychain::Job* job) {
    PasswordResult result;
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        if (job->error() == QKeychain::NoError) {
            result.status = PasswordResult::Status::Found;
            if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(job)) {
                result.password = read->textData().toStdString();
            }
        } else if (job->error() == QKeychain::EntryNotFound) {
            result.status = PasswordResult::Status::NotFound;
        } else {
            result.status = PasswordResult::Status::NoKeyring;
            result.detail = job->errorString().toStdString();
        }
        loop.quit();
    });
    QTimer::singleShot(kKeyringMilliseconds, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    if (!finished) {
        // The job ends, and deletes itself, whenever the keyring answers.
        result.status = PasswordResult::Status::NoKeyring;
        result.detail = "no answer within " + std::to_string(kKeyringMilliseconds / 1000) + " s";
    }
    return result;
}

// The first line the command prints; only that is kept, and none of it goes into `detail`.
PasswordResult RunCommand(const std::string& command) {
    PasswordResult result;
    result.status = PasswordResult::Status::CommandFailed;
    QProcess process;
    QByteArray line, words;
    bool lineDone = false;
    // Read as it comes, so that endless output is dropped rather than held.
    const auto takeOutput = [&] {
        const QByteArray piece = process.readAllStandardOutput();
        if (!lineDone) {
            const qsizetype end = piece.indexOf('\n');
            line += end < 0 ? piece : piece.left(end);
            lineDone = end >= 0;
        }
    };
    const auto takeWords = [&] {
        words += process.readAllStandardError().left(kMaxWordsBytes - words.size());
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, takeOutput);
    QObject::connect(&process, &QProcess::readyReadStandardError, takeWords);
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QString::fromStdString(command)});
    process.closeWriteChannel();
    if (!process.waitForStarted()) {
        result.exitStatus = -1;
        result.detail = process.errorString().toStdString();
        return result;
    }
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kPasswordCommandSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        result.exitStatus = -1;
        result.timedOut = true;
        return result;
    }
    takeOutput();
    takeWords();
    result.detail = words.trimmed().split('\n').value(0).toStdString();
    if (process.exitStatus() != QProcess::NormalExit) {
        result.exitStatus = -1;
        return result;
    }
    result.exitStatus = process.exitCode();
    if (result.exitStatus == 0 && !line.isEmpty()) {
        result.status = PasswordResult::Status::Found;
        result.password = line.toStdString();
        result.detail.clear();
    }
    return result;
}

}  // namespace

PasswordResult ReadPassword(const std::string& url, const std::string& user,
                            const std::string& command) {
    const CoreApplication host;
    auto* job = new QKeychain::ReadPasswordJob(QStringLiteral("ovrana"));
    job->setKey(Key(url, user));
    PasswordResult result = Run(job);
    if (result.status == PasswordResult::Status::Found || command.empty()) {
        return result;
    }
    return RunCommand(command);
}

PasswordResult StorePassword(const std::string& url, const std::string& user,
                             const std::string& password) {
    const CoreApplication host;
    auto* job = new QKeychain::WritePasswordJob(QStringLiteral("ovrana"));
    job->setKey(Key(url, user));
    job->setTextData(QString::fromStdString(password));
    return Run(job);
}

PasswordResult ForgetPassword(const std::string& url, const std::string& user) {
    const CoreApplication host;
    auto* job = new QKeychain::DeletePasswordJob(QStringLiteral("ovrana"));
    job->setKey(Key(url, user));
    return Run(job);
}
