// SPDX-License-Identifier: MIT
#include "AddressBookCopy.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "formats/ContactImport.h"
#include "records/Dates.h"
#include "storage/FileReplace.h"
#include "storage/RunLock.h"
#include "text/Lines.h"
#include "text/Numbers.h"
#include "text/Text.h"

CopiedCard CopyCard(std::string href, std::string etag, const VCardContact& contact) {
    CopiedCard card{std::move(href),          std::move(etag), contact.uid,
                    StoredName(contact.name), contact.email,   {}};
    if (card.uid.empty()) {
        card.uid = card.href;
    }
    for (const bool anniversary : {false, true}) {
        const VCardDate& date = anniversary ? contact.anniversary : contact.birthday;
        if (date.kind == VCardDate::Kind::Date && !card.name.empty()) {
            card.dates.push_back({anniversary, date.day, date.month, date.year});
        }
    }
    return card;
}

// Every value on one line, fields split by tabs: a server may send any byte.
void PutField(std::string& out, std::string_view value) {
    out += '\t';
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

void PutLine(std::string& out, std::string_view kind,
             std::initializer_list<std::string_view> values) {
    out += kind;
    for (const std::string_view value : values) {
        PutField(out, value);
    }
    out += '\n';
}

void PutAccountLines(std::string& out, const ServerAccount& account) {
    PutLine(out, "url", {account.url});
    PutLine(out, "addedwith", {account.addedWith});
    PutLine(out, "user", {account.user});
    PutLine(out, "name", {account.displayName});
    PutLine(out, "certificate", {account.certificate});
    PutLine(out, "lastsync", {std::to_string(account.lastSync)});
    const SyncProblem& e = account.lastError;
    PutLine(out, "error",
            {std::to_string(static_cast<int>(e.kind)), e.server, std::to_string(e.status),
             e.fingerprint, e.detail});
}

bool TakeAccountLine(const std::vector<std::string>& f, ServerAccount& account) {
    const std::string& kind = f[0];
    const std::size_t values = f.size() - 1;
    if (kind == "error") {
        if (values != 5) {
            return false;
        }
        const int code = ParseInt(f[1]);
        const int last = static_cast<int>(SyncProblem::Kind::NotACalendar);
        account.lastError = {static_cast<SyncProblem::Kind>(code >= 0 && code <= last ? code : 0),
                             f[2], ParseInt(f[3]), f[4], f[5]};
        return true;
    }
    if (kind == "lastsync") {
        account.lastSync = values == 1 ? std::strtoll(f[1].c_str(), nullptr, 10) : 0;
        return values == 1;
    }
    std::string* const field = kind == "url"           ? &account.url
                               : kind == "addedwith"   ? &account.addedWith
                               : kind == "user"        ? &account.user
                               : kind == "name"        ? &account.displayName
                               : kind == "certificate" ? &account.certificate
                                                       : nullptr;
    if (field != nullptr) {
        *field = f[1];
        return values == 1;
    }
    return true;  // a line a later version added is left out
}

LoadStatus ReadFieldLines(const std::string& path, std::string_view header, std::size_t maxBytes,
                          const std::function<bool(const std::vector<std::string>&)>& take) {
    bool first = true;
    bool good = true;
    LineSplitter lines;
    const auto line = [&](std::string_view text) {
        if (first) {
            first = false;
            good = text == header;
        } else if (!text.empty()) {
            good = take(SplitFields(text));
        }
        return good;
    };
    const FileRead read = ReadPieces(
        path, maxBytes, true, [&](std::string_view piece) { return lines.Feed(piece, line); });
    if (!read.exists) {
        return LoadStatus::Missing;
    }
    return read.complete && lines.Finish(line) && good && !first ? LoadStatus::Loaded
                                                                 : LoadStatus::Unreadable;
}

namespace {

constexpr std::string_view kHeader = "# Ovrana address book 1";
// Far above 50,000 contacts; a damaged file cannot exhaust memory.
constexpr std::size_t kMaxCopyBytes = std::size_t{256} << 20;

std::string DateText(const ContactDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%04d%02d%02d", date.anniversary ? 'a' : 'b', date.year,
                  date.month, date.day);
    return text;
}

bool ParseDates(std::string_view text, std::vector<ContactDate>& dates) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view one = text.substr(0, end);
        if (one.size() != 9 || (one[0] != 'a' && one[0] != 'b') ||
            one.find_first_not_of("0123456789", 1) != std::string_view::npos) {
            return false;
        }
        ContactDate date{one[0] == 'a', ParseInt(one.substr(7, 2)), ParseInt(one.substr(5, 2)),
                         ParseInt(one.substr(1, 4))};
        if (date.month < 1 || date.month > 12 || date.day < 1 ||
            date.day > DaysInMonth(date.month, date.year == 0 ? 2000 : date.year)) {
            return false;
        }
        dates.push_back(date);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return true;
}

bool TakeLine(const std::vector<std::string>& f, AddressBookCopy& copy) {
    const std::string& kind = f[0];
    const std::size_t values = f.size() - 1;
    if (kind == "card") {
        if (values != 6) {
            return false;
        }
        copy.cards.push_back({f[1], f[2], f[3], f[4], f[5], {}});
        return ParseDates(f[6], copy.cards.back().dates);
    }
    if (kind == "choice") {
        if (values != 6 || (f[2] != "a" && f[2] != "b")) {
            return false;
        }
        copy.choices[f[1] + '\n' + f[2]] = {ParseInt(f[3]), ParseInt(f[4]), f[5] == "1",
                                            ParseInt(f[6])};
        return true;
    }
    if (kind == "token") {
        copy.syncToken = f[1];
        return values == 1;
    }
    return TakeAccountLine(f, copy);
}

}  // namespace

std::string AddressBookFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return std::string(data) + "/ovrana/addressbooks";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.local/share/ovrana/addressbooks";
    }
    return {};
}

std::string CopyPathFor(const std::string& folder, const std::string& url) {
    char name[32];
    std::snprintf(name, sizeof name, "/%016llx.book", static_cast<unsigned long long>(Fnv1a(url)));
    return folder + name;
}

std::vector<std::string> CopyFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".book") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

LoadStatus ReadCopy(const std::string& path, AddressBookCopy& copy) {
    return ReadAccountFile(path, kHeader, kMaxCopyBytes, copy, TakeLine);
}

int WriteCopy(const std::string& path, const AddressBookCopy& copy) {
    std::string text(kHeader);
    text += '\n';
    const auto line = [&](std::string_view kind, std::initializer_list<std::string_view> values) {
        PutLine(text, kind, values);
    };
    PutAccountLines(text, copy);
    line("token", {copy.syncToken});
    for (const CopiedCard& card : copy.cards) {
        std::string dates;
        for (const ContactDate& date : card.dates) {
            dates += dates.empty() ? "" : " ";
            dates += DateText(date);
        }
        line("card", {card.href, card.etag, card.uid, card.name, card.email, dates});
    }
    for (const auto& [key, choice] : copy.choices) {
        const std::size_t cut = key.rfind('\n');
        line("choice", {std::string_view(key).substr(0, cut), std::string_view(key).substr(cut + 1),
                        std::to_string(choice.daysInAdvance), std::to_string(choice.icon),
                        choice.infoOnly ? "1" : "0", std::to_string(choice.skipYear)});
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return ReplaceFile(path, text);
}

CopyUpdate UpdateCopy(const std::string& path, const std::function<void(AddressBookCopy&)>& change,
                      bool create, int* error) {
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
    // Another run holds it only while it reads and writes one copy.
    std::optional<RunLock> lock;
    for (int attempt = 0; attempt < 250; ++attempt) {
        lock.emplace(path + ".lock");
        if (lock->state() != RunLock::State::Busy) {
            break;
        }
        lock.reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!lock) {
        return CopyUpdate::Busy;
    }
    if (lock->state() != RunLock::State::Held) {
        if (error != nullptr) {
            *error = lock->error();
        }
        return CopyUpdate::Failed;
    }
    AddressBookCopy copy;
    if (ReadCopy(path, copy) == LoadStatus::Missing && !create) {
        return CopyUpdate::Missing;
    }
    change(copy);
    const int failed = WriteCopy(path, copy);
    if (error != nullptr) {
        *error = failed;
    }
    return failed == 0 ? CopyUpdate::Written : CopyUpdate::Failed;
}
