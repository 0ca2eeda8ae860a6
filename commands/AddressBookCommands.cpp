// SPDX-License-Identifier: MIT
#include "AddressBookCommands.h"

#include <QCoreApplication>
#include <QUrl>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "contacts/ContactRecords.h"
#include "contacts/PublishedCalendar.h"
#include "platform/TextServices.h"
#include "storage/RunLock.h"
#include "sync/CalendarPublish.h"
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

bool SameUrl(std::string a, std::string b) {
    while (!a.empty() && a.back() == '/') {
        a.pop_back();
    }
    while (!b.empty() && b.back() == '/') {
        b.pop_back();
    }
    return !a.empty() && a == b;
}

// The events the calendar is to hold, as --export writes them; false, said why, when the records
// cannot be read: a calendar emptied by a data file gone astray would lose every date.
bool MakeEvents(const PublishSource& source, const PluralTranslator& say,
                std::vector<CalendarEvent>& events) {
    RecordList records;
    const LoadStatus status = LoadRecords(source.dataPath, records);
    ContactRecords contacts;
    if (status != LoadStatus::Unreadable) {
        const std::vector<std::string> unreadable =
            contacts.Load(source.addressBookFolder, records, source.defaults);
        if (!unreadable.empty()) {
            PrintError(UnreadableCopiesText(unreadable, say));
        }
    }
    bool made = false;
    if (status == LoadStatus::Unreadable || (status == LoadStatus::Missing && records.empty())) {
        Problem problem;
        problem.kind =
            status == LoadStatus::Missing ? Problem::Kind::NoDataFile : Problem::Kind::Unreadable;
        problem.file = source.dataPath;
        PrintError(ProblemText(problem, say));
    } else if (const std::string error =
                   ExportEvents(records, std::time(nullptr), source.texts, events);
               !error.empty()) {
        Problem problem;
        problem.kind = Problem::Kind::CalendarFailed;
        problem.detail = error;
        PrintError(ProblemText(problem, say));
    } else {
        made = true;
    }
    FreeRecords(records);
    return made;
}

// One run at a time changes the published calendar.
std::unique_ptr<RunLock> LockCalendar(const std::string& path, const PluralTranslator& say) {
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
    auto lock = std::make_unique<RunLock>(path + ".lock");
    if (lock->state() != RunLock::State::Held) {
        PrintError(
            Say(say,
                QT_TRANSLATE_NOOP("AddressBooks", "the calendar is being published by another run"),
                {}));
        lock.reset();
    }
    return lock;
}

std::string CalendarName(const PublishedCalendar& calendar) {
    return "\"" + calendar.displayName + "\"";
}

// Syncs the published calendar; false when it failed, which is said.
bool SyncCalendar(const std::string& path, const std::string& passwordCommand,
                  const PublishSource& source, const PluralTranslator& say, bool report) {
    PublishedCalendar calendar;
    const std::unique_ptr<RunLock> lock = LockCalendar(path, say);
    if (!lock) {
        return false;
    }
    if (ReadPublished(path, calendar) != LoadStatus::Loaded) {
        PrintError(
            Say(say, QT_TRANSLATE_NOOP("AddressBooks", "%1 is damaged; publish again"), {path}));
        return false;
    }
    std::vector<CalendarEvent> events;
    if (!MakeEvents(source, say, events)) {
        return false;
    }
    const PasswordResult password = ReadPassword(calendar.url, calendar.user, passwordCommand);
    PublishCounts counts;
    std::string why;
    if (password.status == PasswordResult::Status::Found) {
        PublishEvents(calendar, password.password, events, std::time(nullptr), counts);
        why = SyncProblemText(calendar.lastError, say);
    } else {
        calendar.lastError.kind = SyncProblem::Kind::NoPassword;
        calendar.lastError.server = DavClient({calendar.url, {}, {}, {}}).Server();
        calendar.lastError.detail = password.detail;
        why = SyncProblemText(calendar.lastError, say) + ": " + PasswordProblemText(password, say);
    }
    if (const int error = WritePublished(path, calendar); error != 0 && why.empty()) {
        why = FillIn("%1: %2", {path, std::strerror(error)});
    }
    if (!why.empty()) {
        PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "calendar %1: %2"),
                       {CalendarName(calendar), why}));
        return false;
    }
    return !report ||
           Print("Calendar " + CalendarName(calendar) + ": " + std::to_string(counts.added) +
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
            book.problem.kind = SyncProblem::Kind::NoPassword;
            book.problem.server = DavClient({copy.url, {}, {}, {}}).Server();
            book.problem.detail = password.detail;
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
    const std::string path = PublishedCalendarPath();
    if (path.empty()) {
        PrintError(Say(
            say, QT_TRANSLATE_NOOP("AddressBooks", "a calendar needs a home folder to be kept in"),
            {}));
        return 1;
    }
    const std::unique_ptr<RunLock> lock = LockCalendar(path, say);
    if (!lock) {
        return 1;
    }
    PublishedCalendar calendar;
    const LoadStatus before = ReadPublished(path, calendar);
    if (before == LoadStatus::Loaded && !SameUrl(calendar.url, url) &&
        !SameUrl(calendar.addedWith, url)) {
        PrintError(Say(say,
                       QT_TRANSLATE_NOOP("AddressBooks",
                                         "the dates are published to %1; --unpublish it first"),
                       {calendar.url}));
        return 1;
    }
    std::vector<CalendarEvent> events;
    if (!MakeEvents(source, say, events)) {
        return 1;
    }
    // A password the keyring holds for this server and user: of this calendar or an address book.
    DavLogin login{url, user, {}, certificate};
    std::vector<std::string> known{url};
    if (before == LoadStatus::Loaded && calendar.user == user) {
        known.push_back(calendar.url);
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
    PublishedCalendar found;
    SyncProblem problem = FindCalendar(login, source.calendarName, found);
    // A password changed on the server since the keyring kept it: the one given now.
    if (fromKeyring && problem.kind == SyncProblem::Kind::LoginRefused) {
        if (std::string given = ReadPasswordLine(); !given.empty()) {
            login.password = std::move(given);
            problem = FindCalendar(login, source.calendarName, found);
        }
    }
    if (problem.Failed()) {
        PrintError(SyncProblemText(problem, say));
        return 1;
    }
    if (before != LoadStatus::Loaded || !SameUrl(calendar.url, found.url)) {
        calendar = {};
    }
    calendar.url = found.url;
    calendar.addedWith = url;
    calendar.user = user;
    calendar.displayName = found.displayName;
    calendar.certificate = certificate.empty() ? calendar.certificate : certificate;
    if (const PasswordResult kept = StorePassword(calendar.url, user, login.password);
        kept.status != PasswordResult::Status::Found) {
        PrintError(Say(
            say, QT_TRANSLATE_NOOP("AddressBooks", "calendar %1: the password cannot be kept: %2"),
            {CalendarName(calendar), PasswordProblemText(kept, say)}));
        return 1;
    }
    PublishCounts counts;
    problem = PublishEvents(calendar, login.password, events, std::time(nullptr), counts);
    // Events already put are ours to change and delete later, even after a failure.
    int error = 0;
    if (!problem.Failed() || before == LoadStatus::Loaded || !calendar.events.empty()) {
        error = WritePublished(path, calendar);
    } else {
        ForgetPassword(calendar.url, user);
    }
    if (problem.Failed()) {
        PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "calendar %1: %2"),
                       {CalendarName(calendar), SyncProblemText(problem, say)}));
        return 1;
    }
    if (error != 0) {
        PrintError(FillIn("%1: %2", {path, std::strerror(error)}));
        return 1;
    }
    return Print("Published " + std::to_string(events.size()) + " dates to " +
                 CalendarName(calendar))
               ? 0
               : 1;
}

int RunUnpublish(const std::string& url, const std::string& passwordCommand,
                 const PluralTranslator& say) {
    const CoreApplication application;
    const std::string path = PublishedCalendarPath();
    PublishedCalendar calendar;
    if (path.empty() || ReadPublished(path, calendar) != LoadStatus::Loaded ||
        (!SameUrl(calendar.url, url) && !SameUrl(calendar.addedWith, url))) {
        PrintError(
            Say(say, QT_TRANSLATE_NOOP("AddressBooks", "no calendar was published to %1"), {url}));
        return 1;
    }
    const std::unique_ptr<RunLock> lock = LockCalendar(path, say);
    if (!lock) {
        return 1;
    }
    const PasswordResult password = ReadPassword(calendar.url, calendar.user, passwordCommand);
    SyncProblem problem;
    std::string why;
    if (password.status == PasswordResult::Status::Found) {
        problem = UnpublishEvents(calendar, password.password);
        why = SyncProblemText(problem, say);
    } else {
        problem.kind = SyncProblem::Kind::NoPassword;
        problem.server = DavClient({calendar.url, {}, {}, {}}).Server();
        why = SyncProblemText(problem, say) + ": " + PasswordProblemText(password, say);
    }
    if (problem.Failed()) {
        WritePublished(path, calendar);
        PrintError(Say(say, QT_TRANSLATE_NOOP("AddressBooks", "calendar %1: %2"),
                       {CalendarName(calendar), why}));
        return 1;
    }
    std::error_code error;
    std::filesystem::remove(path + ".bak", error);
    if (!std::filesystem::remove(path, error) && std::filesystem::exists(path)) {
        PrintError(FillIn("%1: %2", {path, error.message()}));
        return 1;
    }
    ForgetPassword(calendar.url, calendar.user);
    return 0;
}
