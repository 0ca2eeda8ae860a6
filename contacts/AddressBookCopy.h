// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "formats/VCard.h"
#include "records/DataFile.h"

// The local copy of one address book on a CardDAV server: what its last sync saw, so that every
// run works offline, the logon run included, and the next sync fetches only what changed. Name
// and date belong to the server; the user's own choices for a contact's dates live here too.

// A usable date of a contact: its birthday or its anniversary.
struct ContactDate {
    bool anniversary = false;
    int day = 0;
    int month = 0;
    int year = 0;  // 0: without a year
};

struct CopiedCard {
    std::string href;  // its path on the server
    std::string etag;
    std::string uid;    // the card's UID, else its href
    std::string name;   // as the data file would keep it; empty: no name, so no date is reminded
    std::string email;  // the preferred address, else the first
    std::vector<ContactDate> dates;  // birthday before anniversary; empty for a contact without
};

// What the user chose for one date of a contact; kept by the contact's UID across syncs.
struct ContactChoice {
    int daysInAdvance = 0;
    int icon = 0;
    bool infoOnly = false;
    int skipYear = -1;  // the occurrence silenced; -1 for none
    bool operator==(const ContactChoice&) const = default;
};

// What went wrong while talking to a server, with the details its words need; worded in the
// user's language by platform/Messages.
struct SyncProblem {
    enum class Kind {
        None,
        Unreachable,       // no connection: `detail` says why (host unknown, refused, offline)
        TimedOut,          // the server stopped answering
        LoginRefused,      // 401 or 403 for this user and password
        Untrusted,         // the certificate is not trusted: `fingerprint`
        NotAnAddressBook,  // the URL is neither an address book nor leads to one
        ServerError,       // an unexpected status (`status`) or a reply that is not understood
        InsecureUrl,       // http:// to a host that is not a loopback address
        TooLarge,          // a reply beyond the limits
        NoPassword,        // none stored and none given
        NotACalendar,      // the URL is no calendar, and none can be found or made there
    };
    Kind kind = Kind::None;
    std::string server;       // the host, with its port when not the default
    int status = 0;           // HTTP status, when one came
    std::string fingerprint;  // Untrusted: SHA-256 of the certificate, lower-case hex, no colons
    std::string detail;
    bool Failed() const { return kind != Kind::None; }
};

// An account on a server as a local file keeps it: an address book's copy, the published calendar.
struct ServerAccount {
    std::string url;            // the collection's own URL
    std::string addedWith;      // the URL the user gave
    std::string user;           // the user name on the server; the password is in the keyring
    std::string displayName;    // the server's name for the collection
    std::string certificate;    // a certificate the user trusted (as in `fingerprint`); empty: none
    std::int64_t lastSync = 0;  // when the last sync succeeded (seconds since 1970); 0: never
    SyncProblem lastError;      // why the last sync failed; None when it succeeded
};

struct AddressBookCopy : ServerAccount {
    std::string syncToken;  // the server's sync token; empty: the next sync compares ETags
    std::vector<CopiedCard> cards;
    // By "UID" then "\n" then "b" (birthday) or "a" (anniversary).
    std::map<std::string, ContactChoice> choices;
};

// A line of a local file: each value after a tab, with tab, line break and backslash escaped,
// since a server may send any byte; and the values of such a line, its kind first.
void PutField(std::string& out, std::string_view value);
std::vector<std::string> SplitFields(std::string_view line);
// A whole line: its kind, then each value as PutField writes it.
void PutLine(std::string& out, std::string_view kind,
             std::initializer_list<std::string_view> values);
// An account's lines; taking one: false when it cannot be read, true also for a kind of another.
void PutAccountLines(std::string& out, const ServerAccount& account);
bool TakeAccountLine(const std::vector<std::string>& fields, ServerAccount& account);
// Reads a file of such lines that begins with `header`, handing each other line that is not
// blank to `take`, which returns false for a line it cannot read. Unreadable: not complete,
// beyond `maxBytes`, another header, or a line `take` refused.
LoadStatus ReadFieldLines(const std::string& path, std::string_view header, std::size_t maxBytes,
                          const std::function<bool(const std::vector<std::string>&)>& take);
// The same for the file of an account, which without its address is Unreadable too; `account` is
// left empty unless Loaded.
template <typename Account, typename Take>
LoadStatus ReadAccountFile(const std::string& path, std::string_view header, std::size_t maxBytes,
                           Account& account, Take take) {
    account = {};
    LoadStatus status = ReadFieldLines(path, header, maxBytes,
                                       [&](const auto& fields) { return take(fields, account); });
    if (status == LoadStatus::Loaded && account.url.empty()) {
        status = LoadStatus::Unreadable;
    }
    if (status != LoadStatus::Loaded) {
        account = {};
    }
    return status;
}

// The card as a copy keeps it: its dates mapped exactly as an import maps them.
CopiedCard CopyCard(std::string href, std::string etag, const VCardContact& contact);

// The folder of the copies: $XDG_DATA_HOME/ovrana/addressbooks, with $HOME/.local/share when
// XDG_DATA_HOME is unset or not an absolute path; empty when neither is usable.
std::string AddressBookFolder();

// The file of the copy of the address book at `url`: one per address book, named by its URL.
std::string CopyPathFor(const std::string& folder, const std::string& url);

// The copy files in `folder`, in name order; none when it does not exist.
std::vector<std::string> CopyFiles(const std::string& folder);

// Missing: no such copy; Unreadable: damaged or not a copy (a sync fetches it again whole).
LoadStatus ReadCopy(const std::string& path, AddressBookCopy& copy);

// Replaces the copy whole, making the folder when needed: a kill leaves the old copy or the new
// one, never a torn one. Returns 0 or the errno of the failure.
int WriteCopy(const std::string& path, const AddressBookCopy& copy);

enum class CopyUpdate { Written, Missing, Busy, Failed };

// Reads the copy at `path`, lets `change` change it and writes it back, all under the copy's own
// short lock, so that a sync's cards and the user's choices, written by different runs, never
// overwrite each other: each writer changes only its own part of the latest copy. A copy that
// is Missing stays missing unless `create`; an unreadable one is changed from empty. Busy: another
// run held the lock for seconds; `error` receives the errno of Failed.
CopyUpdate UpdateCopy(const std::string& path, const std::function<void(AddressBookCopy&)>& change,
                      bool create = false, int* error = nullptr);
