// SPDX-License-Identifier: MIT
#include "Snoozes.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "contacts/ContactRecords.h"
#include "platform/Settings.h"
#include "storage/FileReplace.h"
#include "text/Lines.h"
#include "text/Text.h"

namespace {

// Thousands of lines of 26 bytes; more is not this program's file.
constexpr std::size_t kMaxBytes = 1 << 20;
constexpr std::size_t kLineBytes = 8 + 1 + 16;

std::string Field(std::string_view text) {
    return std::string(text).append(1, '\0');  // no name's text runs into the next field
}

}  // namespace

std::uint64_t SnoozeKey(const PersonRecord& record) {
    if (record.origin != nullptr) {
        return Fnv1a(Field("contact") + Field(record.origin->uid) +
                     (record.origin->anniversary ? "a" : "b"));
    }
    return Fnv1a(Field("record") + Field(record.name) + Field(std::to_string(record.day)) +
                 Field(std::to_string(record.month)) + (record.notABirthday != 0 ? "e" : "b"));
}

Snoozes ReadSnoozes(const std::string& path, DayNumber day) {
    std::string text;
    const FileRead read = ReadPieces(path, kMaxBytes, true, [&](std::string_view piece) {
        text.append(piece);
        return true;
    });
    Snoozes snoozes;
    if (!read.exists) {
        return snoozes;
    }
    const std::string dayText = RunDateText(ToCivil(day));
    bool damaged = !read.complete;
    ForEachLine(text, [&](std::string_view line) {
        const std::string date(line.substr(0, 8));
        const std::string key(line.substr(std::min(line.size(), std::size_t{9})));
        if (line.size() != kLineBytes || line[8] != ' ' || !RunDay(date) ||
            key.find_first_not_of("0123456789abcdef") != std::string::npos) {
            damaged = true;
            return false;
        }
        if (date == dayText) {
            snoozes.keys.insert(std::strtoull(key.c_str(), nullptr, 16));
        } else {
            snoozes.stale = true;
        }
        return true;
    });
    if (damaged) {
        return {{}, true};
    }
    return snoozes;
}

int WriteSnoozes(const std::string& path, DayNumber day, const std::set<std::uint64_t>& keys) {
    if (keys.empty()) {
        return std::remove(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        return error.value();
    }
    const std::string dayText = RunDateText(ToCivil(day));
    std::string text;
    for (const std::uint64_t key : keys) {
        char line[kLineBytes + 2];
        std::snprintf(line, sizeof line, "%s %016" PRIx64 "\n", dayText.c_str(), key);
        text += line;
    }
    return ReplaceFile(path, text);
}
