// SPDX-License-Identifier: MIT
#include "AddressBookCommands.h"

#include <QCoreApplication>
#include <QUrl>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <set>

#include "contacts/PublishedCalendar.h"
#include "sync/CoreApplication.h"
#include "sync/DavClient.h"
#include "sync/Passwords.h"
#include "text/DisplayText.h"
#include "text/Text.h"

namespace {

std::string Say(const PluralTranslator& say, const char* source,
                std::initializer_list<std::string_view> args) {
    return FillIn(say("AddressBooks", source, -1), args);
}

// A server's names reach the terminal without control characters.
bool Print(const std::string& line) {
    const std::string text = ReplaceControls(line) + "\n";
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
}

std::string NameOf(const BookOutcome& book) {
    return "\"" + book.displayName + "\"";
}

std::string ReadPasswordLine() {
    std::string password;
    std::getline(std::cin, password);
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    return password;
}

QUrl Origin(const QUrl& url) {
    return url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                        QUrl::RemoveUserInfo);
}

// Syncs the published calendar; false when it failed, which is said.
bool SyncCalendar(const std::string& path, const std::string& passwordCommand,
                  const PublishSource& source, const PluralTranslator& say, bool report) {
    PublishedCalendar calendar;
    PublishCounts counts;
    std::string warning;
    const std::string why = SyncPublished(path, ReadCalendarPassword(path, passwordCommand), source,
                                          say, calendar, counts, warning);
    if (!warning.empty()) {
        PrintError(warning);
    }
    if (!why.empty()) {
        PrintError(why);
        return false;
    }
    return !report ||
           Print("Calendar \"" + calendar.displayName + "\": " + std::to_string(counts.added) +
                 " added, " + std::to_string(counts.changed) + " changed, " +
                 std::to_string(counts.removed) + " removed");
}

}  // namespace

bool HasAddressBooks() {
    const std::string folder = AddressBookFolder();
    const std::string calendar = PublishedCalendarPath();
    return (!folder.empty() && !CopyFiles(folder).empty()) ||
           (!calendar.empty() && std::filesystem::exists(calendar));
}

int RunAddAddressBook(const std::string& url, const std::string& user,
                      const std::string& certificate, const PluralTranslator& say) {
    const CoreApplication application;
    const std::string folder = AddressBookFolder();
    DavLogin login{url, user, {}, certificate};
    if (folder.empty()) {
        PrintError(
            Say(say,
                QT_TRANSLATE_NOOP("AddressBooks", "address books need a home folder to be kept in"),
                {}));
        return 1;
    }
    login.password = ReadPasswordLine();
    std::vector<FoundAddressBook> found;
    if (const SyncProblem problem = FindAddressBooks(login, found); problem.Failed()) {
        PrintError(SyncProblemText(problem, say));
        return 1;
    }
    std::set<std::string> before;
    for (const FoundAddressBook& book : found) {
        if (std::filesystem::exists(CopyPathFor(folder, book.url))) {
            before.insert(book.url);
        }
    }
    int status = 0;
    bool stored = false;
    for (const BookOutcome& book : AddAddressBooks(login, found, folder, std::time(nullptr))) {
        if (book.problem.Failed()) {
            PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "address book %1: %2"),
                           {NameOf(book), SyncProblemText(book.problem, say)}));
            status = 1;
            continue;
        }
        const PasswordResult kept = StorePassword(book.url, user, login.password);
        if (kept.status != PasswordResult::Status::Found) {
            // Without its password a new address book could never sync: it is not kept either.
            if (before.count(book.url) == 0) {
                RemoveAddressBooks(folder, book.url);
            }
            PrintError(Say(say,
                           QT_TRANSLATE_NOOP("AddressBooks",
                                             "address book %1: the password cannot be kept: %2"),
                           {NameOf(book), PasswordProblemText(kept, say)}));
            status = 1;
            continue;
        }
        stored = true;
        if (!Print("Address book " + NameOf(book) + ": " + std::to_string(book.counts.dates) +
                   " dates from " + std::to_string(book.counts.contacts) + " contacts")) {
            status = 1;
        }
    }
    return stored ? status : 1;
}

int RunSync(const std::string& passwordCommand, const PluralTranslator& say, bool report,
            const PublishSource* calendar) {
    const CoreApplication application;
    int status = 0;
    const std::string folder = AddressBookFolder();
    for (const std::string& path :
         folder.empty() ? std::vector<std::string>{} : CopyFiles(folder)) {
        AddressBookCopy copy;
        if (ReadCopy(path, copy) != LoadStatus::Loaded) {
            PrintError(
                Say(say, QT_TRANSLATE_NOOP("AddressBooks", "%1 is damaged; add it again"), {path}));
            status = 1;
            continue;
        }
        const PasswordResult password = ReadPassword(copy.url, copy.user, passwordCommand);
        BookOutcome book{path, copy.url, copy.displayName, {}, {}};
        std::string why;
        if (password.status == PasswordResult::Status::Found) {
            book = SyncBook(path, password.password, std::time(nullptr));
            why = SyncProblemText(book.problem, say);
        } else {
            book.problem = NoPasswordFor(copy.url, password.detail);
            UpdateCopy(path, [&](AddressBookCopy& latest) { latest.lastError = book.problem; });
            why = SyncProblemText(book.problem, say) + ": " + PasswordProblemText(password, say);
        }
        if (book.problem.Failed()) {
            PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "address book %1: %2"),
                           {NameOf(book), why}));
            status = 1;
        } else if (report && !Print("Address book " + NameOf(book) + ": " +
                                    std::to_string(book.counts.added) + " added, " +
                                    std::to_string(book.counts.changed) + " changed, " +
                                    std::to_string(book.counts.removed) + " removed")) {
            status = 1;
        }
    }
    const std::string published = PublishedCalendarPath();
    if (calendar != nullptr && !published.empty() && std::filesystem::exists(published) &&
        !SyncCalendar(published, passwordCommand, *calendar, say, report)) {
        status = 1;
    }
    return status;
}

int RunRemoveAddressBook(const std::string& url, const PluralTranslator& say) {
    const CoreApplication application;
    const std::string folder = AddressBookFolder();
    const std::vector<AddressBookCopy> removed =
        folder.empty() ? std::vector<AddressBookCopy>{} : RemoveAddressBooks(folder, url);
    if (removed.empty()) {
        PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "no address book was added from %1"),
                       {url}));
        return 1;
    }
    for (const AddressBookCopy& copy : removed) {
        ForgetPassword(copy.url, copy.user);
    }
    return 0;
}

int RunPublish(const std::string& url, const std::string& user, const std::string& certificate,
               const PublishSource& source, const PluralTranslator& say) {
    const CoreApplication application;
    Publishing run;
    const auto failed = [](const std::string& why) {
        PrintError(why);
        return 1;
    };
    std::string why = BeginPublish(run, url, source, say);
    if (!run.warning.empty()) {
        PrintError(run.warning);
    }
    if (!why.empty()) {
        return failed(why);
    }
    // A password the keyring holds for this server and user: of this calendar or an address book.
    DavLogin login{url, user, {}, certificate};
    std::vector<std::string> known{url};
    if (run.before == LoadStatus::Loaded && run.calendar.user == user) {
        known.push_back(run.calendar.url);
    }
    // Published again: to the same calendar, whose certificate the user trusted before.
    if (run.before == LoadStatus::Loaded && certificate.empty()) {
        login.certificate = run.calendar.certificate;
    }
    const QUrl server(QString::fromStdString(url));
    const std::string folder = AddressBookFolder();
    for (const std::string& copyPath :
         folder.empty() ? std::vector<std::string>{} : CopyFiles(folder)) {
        AddressBookCopy copy;
        if (ReadCopy(copyPath, copy) == LoadStatus::Loaded && copy.user == user &&
            Origin(QUrl(QString::fromStdString(copy.url))) == Origin(server)) {
            known.push_back(copy.url);
        }
    }
    for (const std::string& one : known) {
        if (PasswordResult kept = ReadPassword(one, user, {});
            kept.status == PasswordResult::Status::Found) {
            login.password = std::move(kept.password);
            break;
        }
    }
    const bool fromKeyring = !login.password.empty();
    if (!fromKeyring) {
        login.password = ReadPasswordLine();
    }
    why = FindPublishCalendar(run, login, source.calendarName, say);
    // A password changed on the server since the keyring kept it: the one given now.
    if (fromKeyring && run.problem.kind == SyncProblem::Kind::LoginRefused) {
        if (std::string given = ReadPasswordLine(); !given.empty()) {
            login.password = std::move(given);
            why = FindPublishCalendar(run, login, source.calendarName, say);
        }
    }
    if (!why.empty() || !(why = KeepCalendarPassword(run.calendar, login.password, say)).empty()) {
        return failed(why);
    }
    PublishCounts counts;
    why = FinishPublish(run, login.password, say, counts);
    if (!run.kept) {
        ForgetPassword(run.calendar.url, user);
    }
    if (!why.empty()) {
        return failed(why);
    }
    return Print("Published " + std::to_string(run.events.size()) + " dates to \"" +
                 run.calendar.displayName + "\"")
               ? 0
               : 1;
}

int RunUnpublish(const std::string& url, const std::string& passwordCommand,
                 const PluralTranslator& say) {
    const CoreApplication application;
    const std::string path = PublishedCalendarPath();
    PublishedCalendar calendar;
    if (path.empty() || ReadPublished(path, calendar) != LoadStatus::Loaded ||
        !PublishedTo(calendar, url)) {
        PrintError(
            Say(say, QT_TRANSLATE_NOOP("AddressBooks", "no calendar was published to %1"), {url}));
        return 1;
    }
    const std::string why = StopPublishing(
        path, ReadPassword(calendar.url, calendar.user, passwordCommand), say, calendar);
    if (!why.empty()) {
        PrintError(why);
        return 1;
    }
    ForgetPassword(calendar.url, calendar.user);
    return 0;
}
