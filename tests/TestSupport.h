// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/TextServices.h"
#include "records/Dates.h"
#include "records/PersonRecord.h"

// A record with the fields the tests usually vary.
inline PersonRecord Record(std::string name, int day, int month, int year, int daysInAdvance = 14) {
    PersonRecord record;
    record.name = std::move(name);
    record.day = day;
    record.month = month;
    record.year = year;
    record.daysInAdvance = daysInAdvance;
    return record;
}

inline PersonRecord With(PersonRecord record, int skipYear, int notABirthday = 0,
                         int infoOnly = 0) {
    record.skipYear = skipYear;
    record.notABirthday = notABirthday;
    record.infoOnly = static_cast<std::uint8_t>(infoOnly);
    return record;
}

inline PersonRecord* Append(RecordList& records, PersonRecord record) {
    records.push_back(std::make_unique<PersonRecord>(std::move(record)));
    return records.back().get();
}

// A fresh directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ovrana-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The program's own words, untranslated.
inline const PluralTranslator English = [](const char*, const char* source, int) { return source; };

// English weekday names and ASCII case rules.
class FakeText : public TextServices {
public:
    std::string DayName(int weekday) const override {
        static const char* const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
        return names[weekday];
    }
    std::string UpperFirst(std::string_view text) const override {
        std::string result(text);
        if (!result.empty()) {
            result[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
        }
        return result;
    }
};
