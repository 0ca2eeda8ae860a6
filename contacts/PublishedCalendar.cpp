// SPDX-License-Identifier: MIT
#include "PublishedCalendar.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "storage/FileReplace.h"

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
    return TakeAccountLine(f, calendar);
}

}  // namespace

std::string PublishedCalendarPath() {
    const std::string books = AddressBookFolder();
    return books.empty() ? books : books.substr(0, books.rfind('/')) + "/calendar";
}

LoadStatus ReadPublished(const std::string& path, PublishedCalendar& calendar) {
    return ReadAccountFile(path, kHeader, kMaxBytes, calendar, TakeLine);
}

int WritePublished(const std::string& path, const PublishedCalendar& calendar) {
    std::string text(kHeader);
    text += '\n';
    PutAccountLines(text, calendar);
    for (const PublishedEvent& event : calendar.events) {
        char hash[24];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(event.hash));
        PutLine(text, "event", {event.uid, event.href, event.etag, hash});
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return ReplaceFile(path, text);
}
