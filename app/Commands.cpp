// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <cstdio>
#include <ctime>
#include <system_error>

#include "model/DataFile.h"
#include "model/DisplayText.h"

namespace {

int Fail(const std::string& text) {
    const std::string safe = ReplaceControls(text);
    std::fprintf(stderr, "ovrana: %s\n", safe.c_str());
    return 1;
}

}  // namespace

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts) {
    RecordList records;
    switch (LoadRecords(dataPath, records)) {
        case LoadStatus::Missing:
            return Fail("there is no data file " + dataPath + " to export");
        case LoadStatus::Unreadable:
            FreeRecords(records);
            return Fail("the data file " + dataPath + " could not be read completely");
        case LoadStatus::Loaded:
            break;
    }
    const CalendarExport calendar = ExportCalendar(records, std::time(nullptr), texts);
    FreeRecords(records);
    if (!calendar) {
        return Fail("the calendar could not be written: " + calendar.error);
    }
    if (const int error = WriteCalendar(target, calendar.text); error != 0) {
        return Fail("cannot write " + (target == "-" ? "to standard output" : target) + ": " +
                    std::generic_category().message(error));
    }
    return 0;
}
