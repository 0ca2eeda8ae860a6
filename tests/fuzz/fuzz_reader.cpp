// SPDX-License-Identifier: MIT
// Any bytes as a data file: reading them, working out every date and wording the reminders must
// not crash, hang or touch memory that is not theirs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "TestSupport.h"
#include "records/DataFile.h"
#include "records/Dates.h"
#include "reminder/DueRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordList records;
    ParseRecords(std::string_view(reinterpret_cast<const char*>(data), size), records);
    const DayNumber today = MakeDay(2026, 12, 6);
    UpdateAllRecords(records, today);
    for (const auto& record : records) {
        AgeToday(*record, today);
        FormatDate(MakeDay(record->nextYear, record->month, record->day), "%A %d/%m/%y");
    }
    const FakeText text;
    SelectDueRows(records, "%d/%m/%y", text);
    FormatRecords(records);
    return 0;
}
