// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "contacts/AddressBookCopy.h"

// A read-only CardDAV client: finds a user's address books and keeps local copies in step.
// Blocking calls with their own event loop, so the command line can use them directly and a
// window from a worker thread; they never touch the records or any file.

struct DavLogin {
    std::string url;
    std::string user;
    std::string password;
    std::string certificate;  // trusted beyond the system's store: SHA-256, lower-case hex
};

struct FoundAddressBook {
    std::string url;          // the address book's own URL
    std::string displayName;  // the server's, else the last segment of the URL's path
};

// The address books at `login.url`: that one when it is an address book, else every one found
// from the server's root or a principal (/.well-known/carddav, current-user-principal,
// addressbook-home-set, then the home's collections of type address book).
SyncProblem FindAddressBooks(const DavLogin& login, std::vector<FoundAddressBook>& found);

// Dated contacts (those with a date that is reminded) that a sync added, changed and removed,
// and what the copy holds afterwards.
struct SyncCounts {
    std::size_t added = 0;
    std::size_t changed = 0;
    std::size_t removed = 0;
    std::size_t dates = 0;     // birthdays and anniversaries reminded
    std::size_t contacts = 0;  // cards in the address book
};

// Brings `copy` in step with its address book: sync-collection with its token when the server
// has one, else ETags compared; only new and changed cards are fetched (addressbook-multiget).
// Choices of contacts that are gone are dropped. On failure `copy` is left as it was, except
// `lastError`; on success `lastSync` is `now` and `lastError` None.
SyncProblem SyncCopy(AddressBookCopy& copy, const std::string& password, std::int64_t now,
                     SyncCounts& counts);

// What became of one address book in an add or a sync.
struct BookOutcome {
    std::string copyPath;
    std::string url;
    std::string displayName;
    SyncProblem problem;
    SyncCounts counts;
};

// Adds each of `chosen` (as FindAddressBooks found them with `login`): syncs it at once and
// writes its copy into `folder` only when that succeeded, so a failure stores nothing.
std::vector<BookOutcome> AddAddressBooks(const DavLogin& login,
                                         const std::vector<FoundAddressBook>& chosen,
                                         const std::string& folder, std::int64_t now);

// Syncs the copy at `copyPath` and writes the outcome into it through UpdateCopy: the new cards
// and token when it succeeded, the error when not; the user's choices as the latest copy holds
// them, less those of contacts that are gone.
BookOutcome SyncBook(const std::string& copyPath, const std::string& password, std::int64_t now);

// Removes from `folder` the copy of the address book at `url`, or, when `url` is one that
// address books were added with, each of theirs; returns what they were (their users, for the
// passwords). None removed: `url` is not known.
std::vector<AddressBookCopy> RemoveAddressBooks(const std::string& folder, const std::string& url);
