// SPDX-License-Identifier: MIT
// Any bytes as a vCard file: reading them and planning the import must not crash, hang or touch
// memory that is not theirs, and every record planned must be UTF-8 and come back whole from the
// data file's line as it is written.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "TestSupport.h"
#include "formats/ContactImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const VCardParse parse =
        ParseVCards(std::string_view(reinterpret_cast<const char*>(data), size), 10'000);
    RecordList existing;
    Append(existing, Record("Anna Smith", 15, 4, 0));
    const ImportPlan plan = PlanImport(parse.contacts, existing, ImportDefaults{1, 14}, 20'000);
    RecordList planned;
    for (const PersonRecord& record : plan.records) {
        Append(planned, record);
    }
    const std::string text = FormatRecords(planned);
    RecordList read;
    ParseRecords(text, read);
    if (read.size() != planned.size()) {
        std::fprintf(stderr, "round trip broke: a record split or lost\n");
        std::abort();
    }
    for (auto it = read.begin(); const auto& record : planned) {
        const PersonRecord& back = **it++;
        const bool whole = back.name == record->name && back.email == record->email &&
                           back.day == record->day && back.month == record->month &&
                           back.year == record->year && back.notABirthday == record->notABirthday;
        const bool sane = !record->name.empty() && IsValidUtf8(record->name) &&
                          IsValidUtf8(record->email) && record->month >= 1 && record->month <= 12 &&
                          record->day >= 1 && record->day <= 31 && record->year >= 0 &&
                          record->year <= 9999;
        if (!whole || !sane) {
            std::fprintf(stderr, "round trip broke: %s\n", record->name.c_str());
            std::abort();
        }
    }
    for (const SkippedContact& skipped : plan.skipped) {
        if (!IsValidUtf8(SkipReasonText(skipped, English)) || !IsValidUtf8(skipped.name)) {
            std::fprintf(stderr, "round trip broke: a reason that is not UTF-8\n");
            std::abort();
        }
    }
    ImportSummary(plan, English);
    return 0;
}
