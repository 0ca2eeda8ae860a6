// SPDX-License-Identifier: MIT
#include "AddressBookCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "Arguments.h"
#include "platform/TextServices.h"
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

}  // namespace

bool HasAddressBooks() {
    const std::string folder = AddressBookFolder();
    return !folder.empty() && !CopyFiles(folder).empty();
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
    std::getline(std::cin, login.password);
    if (!login.password.empty() && login.password.back() == '\r') {
        login.password.pop_back();
    }
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

int RunSync(const std::string& passwordCommand, const PluralTranslator& say, bool report) {
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
