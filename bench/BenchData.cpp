// SPDX-License-Identifier: MIT
#include "BenchData.h"

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

const char* const kFirstNames[] = {
    "Anna",    "Bert", "Carla",   "David", "Émile", "Fatima", "Georg", "Hanna",
    "Ivan",    "Jana", "Karl",    "Lena",  "Malik", "Nora",   "Ölaf",  "Paula",
    "Quentin", "Rosa", "Sven",    "Tomás", "Ute",   "Viktor", "Wen",   "Xenia",
    "Yusuf",   "Zoë",  "grandma", "uncle", "Søren", "Amélie", "Björn", "Chloé"};
const char* const kLastNames[] = {"Smith",     "Müller",   "García", "Nowak", "Rossi",    "Dubois",
                                  "Jensen",    "Kowalski", "Silva",  "Novák", "Fischer",  "Moreau",
                                  "Larsen",    "Petrov",   "Yilmaz", "Brown", "Ortiz",    "Keller",
                                  "Lindqvist", "Horvat",   "Costa",  "Weber", "Hoffmann", "Berg"};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N]) {
    return items[random() % N];
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

RecordList MakeBenchRecords(std::size_t count, BenchKind kind, DayNumber today, unsigned seed) {
    std::mt19937 random(seed);
    RecordList records;
    for (std::size_t i = 0; i < count; ++i) {
        auto record = std::make_unique<PersonRecord>();
        const std::string first = Pick(random, kFirstNames);
        const std::string last = Pick(random, kLastNames);
        record->name = first + " " + last;
        record->email = random() % 2 ? Lower(first.substr(0, 1) + last) + "@example.org" : "";
        record->icon = static_cast<int>(random() % 17);
        record->notABirthday = random() % 10 == 0;

        // 3 % inside their warning period: due, or silenced in a Quiet list.
        const bool inside = random() % 100 < 3;
        // birthday(1) cannot silence a record due today, so a Quiet list has none.
        const int daysAhead = static_cast<int>(
            inside && kind == BenchKind::Due ? random() % 60 : 1 + random() % (inside ? 59 : 364));
        const CivilDate next = ToCivil(today + daysAhead);
        record->day = next.day;
        record->month = next.month;
        record->year = next.month == 2 && next.day == 29
                           ? 1932 + 4 * static_cast<int>(random() % 22)
                           : 1930 + static_cast<int>(random() % 91);
        record->daysInAdvance = inside ? daysAhead + static_cast<int>(random() % 30)
                                       : static_cast<int>(random() % std::min(daysAhead, 61));
        UpdateRecord(*record, today);
        if (inside && kind == BenchKind::Quiet) {
            record->skipYear = record->nextYear;
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string FormatBirthdayFile(const RecordList& records) {
    std::string text;
    char line[64];
    for (const auto& record : records) {
        const bool silenced = record->skipYear == record->nextYear;
        const int warn = silenced ? record->daysUntil - 1 : record->daysInAdvance;
        std::snprintf(line, sizeof line, "=%02d/%02d/%04d%s w%d\n", record->day, record->month,
                      record->year, record->notABirthday ? " ann" : "", std::max(warn, 0));
        text += record->name;
        text += line;
    }
    return text;
}
