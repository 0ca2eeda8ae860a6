// SPDX-License-Identifier: MIT
#include "PublishedCalendar.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "storage/FileReplace.h"
#include "text/Numbers.h"

namespace {

constexpr std::string_view kHeader = "# Ovrana published calendar 1";
// Far above 50,000 events.
constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

bool TakeLine(const std::vector<std::string>& f, PublishedCalendar& calendar) {
    const std::string& kind = f[0];
    const std::size_t values = f.size() - 1;
    if (kind == "event") {
        if (values != 4 || f[1].empty() || f[2].empty()) {
            return false;
        }
        calendar.events.push_back({f[1], f[2], f[3], std::strtoull(f[4].c_str(), nullptr, 16)});
        return true;
    }
    if (kind == "error") {
        if (values != 5) {
            return false;
        }
        const int code = ParseInt(f[1]);
        const int last = static_cast<int>(SyncProblem::Kind::NotACalendar);
        calendar.lastError = {static_cast<SyncProblem::Kind>(code >= 0 && code <= last ? code : 0),
                              f[2], ParseInt(f[3]), f[4], f[5]};
        return true;
    }
    if (kind == "lastsync") {
        calendar.lastSync = values == 1 ? std::strtoll(f[1].c_str(), nullptr, 10) : 0;
        return values == 1;
    }
    std::string* const field = kind == "url"           ? &calendar.url
                               : kind == "addedwith"   ? &calendar.addedWith
                               : kind == "user"        ? &calendar.user
                               : kind == "name"        ? &calendar.displayName
                               : kind == "certificate" ? &calendar.certificate
                                                       : nullptr;
    if (field != nullptr) {
        *field = f[1];
        return values == 1;
    }
    return true;  // a line a later version added is left out
}

}  // namespace

std::string PublishedCalendarPath() {
    const std::string books = AddressBookFolder();
    return books.empty() ? books : books.substr(0, books.rfind('/')) + "/calendar";
}

LoadStatus ReadPublished(const std::string& path, PublishedCalendar& calendar) {
    calendar = {};
    LoadStatus status = ReadFieldLines(
        path, kHeader, kMaxBytes, [&](const auto& fields) { return TakeLine(fields, calendar); });
    if (status == LoadStatus::Loaded && calendar.url.empty()) {
        status = LoadStatus::Unreadable;
    }
    if (status != LoadStatus::Loaded) {
        calendar = {};
    }
    return status;
}

int WritePublished(const std::string& path, const PublishedCalendar& calendar) {
    std::string text(kHeader);
    text += '\n';
    const auto line = [&](std::string_view kind, std::initializer_list<std::string_view> values) {
        PutLine(text, kind, values);
    };
    line("url", {calendar.url});
    line("addedwith", {calendar.addedWith});
    line("user", {calendar.user});
    line("name", {calendar.displayName});
    line("certificate", {calendar.certificate});
    line("lastsync", {std::to_string(calendar.lastSync)});
    const SyncProblem& e = calendar.lastError;
    line("error", {std::to_string(static_cast<int>(e.kind)), e.server, std::to_string(e.status),
                   e.fingerprint, e.detail});
    for (const PublishedEvent& event : calendar.events) {
        char hash[24];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(event.hash));
        line("event", {event.uid, event.href, event.etag, hash});
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return ReplaceFile(path, text);
}
