// SPDX-License-Identifier: MIT
// Records from any bytes, part built field by field as the dialogs could, part read from a file,
// are saved to a real file and read back: every stored field must come back, and saving what was
// read must give the same bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "records/DataFile.h"

namespace {

// What the file can hold of a value: a line break would end the record, a NUL is no text, and
// a name with a comma is quoted without its own quotes.
PersonRecord Stored(const PersonRecord& record) {
    PersonRecord stored = record;
    for (const char blank : {'\n', '\0'}) {
        std::replace(stored.name.begin(), stored.name.end(), blank, ' ');
        std::replace(stored.email.begin(), stored.email.end(), blank, ' ');
    }
    if (stored.name.find(',') != std::string::npos) {
        std::erase(stored.name, '"');
    }
    stored.infoOnly = record.infoOnly != 0;
    return stored;
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broke: %s\n", what);
        std::abort();
    }
}

// One folder for the whole run, removed at its end.
const std::string& FilePath() {
    // Never destroyed: the removal at exit runs after the destructors of statics.
    static const std::string* folder = [] {
        auto* name = new std::string(std::filesystem::temp_directory_path() / "ovrana-fuzz-XXXXXX");
        Check(::mkdtemp(name->data()) != nullptr, "no temporary folder");
        std::atexit([] { std::filesystem::remove_all(*folder); });
        return name;
    }();
    static const std::string* path = new std::string(*folder + "/ovras.ini");
    return *path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RecordList records;
    // The day and month are two characters in the file and the year four: all that the reader
    // and the dialogs ever produce.
    for (int count = input.ConsumeIntegralInRange(0, 4); count > 0; --count) {
        PersonRecord record;
        record.name = input.ConsumeRandomLengthString(64);
        record.email = input.ConsumeRandomLengthString(64);
        record.day = input.ConsumeIntegralInRange(-9, 99);
        record.month = input.ConsumeIntegralInRange(-9, 99);
        record.year = input.ConsumeIntegralInRange(-999, 9999);
        record.icon = input.ConsumeIntegral<int>();
        record.skipYear = input.ConsumeIntegral<int>();
        record.daysInAdvance = input.ConsumeIntegral<int>();
        record.notABirthday = input.ConsumeIntegral<int>();
        record.infoOnly = input.ConsumeIntegral<std::uint8_t>();
        Append(records, record);
    }
    ParseRecords(input.ConsumeRemainingBytesAsString(), records);

    const std::string& path = FilePath();
    Check(static_cast<bool>(SaveRecords(path, records)), "save failed");
    RecordList back;
    FileStamp stamp;
    Check(LoadRecords(path, back, &stamp) == LoadStatus::Loaded, "load failed");
    Check(back.size() == records.size(), "record count");
    for (auto a = records.begin(), b = back.begin(); a != records.end(); ++a, ++b) {
        const PersonRecord expected = Stored(**a);
        const PersonRecord& got = **b;
        Check(got.name == expected.name, "name");
        Check(got.email == expected.email, "email");
        Check(got.day == expected.day && got.month == expected.month && got.year == expected.year,
              "date");
        Check(got.icon == expected.icon && got.skipYear == expected.skipYear &&
                  got.daysInAdvance == expected.daysInAdvance &&
                  got.notABirthday == expected.notABirthday && got.infoOnly == expected.infoOnly,
              "numbers");
    }
    const std::string first = ReadFile(path);
    Check(static_cast<bool>(SaveRecords(path, back, &stamp)), "second save failed");
    Check(ReadFile(path) == first, "saving what was read changed the file");
    return 0;
}
