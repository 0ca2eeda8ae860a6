// SPDX-License-Identifier: MIT
// The calendar export of a data file, for the tests with other calendar programs:
//   export_calendar <data file> <output file, or - for standard output> <time in seconds>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/CalendarExport.h"
#include "model/DataFile.h"

int main(int argc, char** argv) {
    RecordList records;
    if (argc != 4 || LoadRecords(argv[1], records) != LoadStatus::Loaded) {
        std::fprintf(stderr, "usage: export_calendar DATAFILE OUTPUT SECONDS\n");
        return 2;
    }
    const CalendarExport calendar = ExportCalendar(records, std::atoll(argv[3]));
    const int error = calendar ? WriteCalendar(argv[2], calendar.text) : 0;
    if (!calendar || error != 0) {
        std::fprintf(stderr, "%s\n", calendar ? std::strerror(error) : calendar.error.c_str());
        return 1;
    }
    return 0;
}
