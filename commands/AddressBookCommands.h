// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "accounts/CalendarPublishing.h"
#include "platform/Messages.h"
#include "sync/AddressBookSync.h"

// The address-book commands of the command line, without a window. Each returns the exit
// status, prints one line per address book on standard output and each failure on standard
// error, in the words `say` gives.

// Finds the address books at `url` (all found there, or the one it names), adds each with a
// first sync and keeps the password, the first line of standard input, in the keyring.
// `certificate`: the SHA-256 of a certificate the user trusts, as a copy keeps it; empty: none.
int RunAddAddressBook(const std::string& url, const std::string& user,
                      const std::string& certificate, const PluralTranslator& say);

// Syncs every address book, then the published calendar (when `calendar` is given and one is
// published); the others still when one fails. `report`: a line for each that synced, else only
// the failures.
int RunSync(const std::string& passwordCommand, const PluralTranslator& say, bool report = true,
            const PublishSource* calendar = nullptr);

// Publishes the dates to the calendar at `url`, or found or made there; the password from the
// keyring when it holds one for that server and user, else the first line of standard input.
int RunPublish(const std::string& url, const std::string& user, const std::string& certificate,
               const PublishSource& source, const PluralTranslator& say);

// Deletes the events published to the calendar at `url` and forgets it and its password.
int RunUnpublish(const std::string& url, const std::string& passwordCommand,
                 const PluralTranslator& say);

// Removes the address book at `url`, or every one added with `url`: copy, choices and password.
int RunRemoveAddressBook(const std::string& url, const PluralTranslator& say);

// Whether there is an address book or a published calendar to sync.
bool HasAddressBooks();
