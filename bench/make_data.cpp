// SPDX-License-Identifier: MIT
// Writes the benchmark's data for a logon run today: ovras.ini and the same list for
// birthday(1) as "birthdays", in a folder.
// Usage: ovrana-bench-data <records> quiet|due <folder>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "BenchData.h"
#include "records/DataFile.h"

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[2], "quiet") != 0 && std::strcmp(argv[2], "due") != 0)) {
        std::fprintf(stderr, "usage: %s <records> quiet|due <folder>\n", argv[0]);
        return 2;
    }
    const auto count = static_cast<std::size_t>(std::strtoul(argv[1], nullptr, 10));
    const BenchKind kind = std::strcmp(argv[2], "due") == 0 ? BenchKind::Due : BenchKind::Quiet;
    const std::string folder = argv[3];
    const RecordList records = MakeBenchRecords(count, kind, MakeToday());
    std::ofstream(folder + "/ovras.ini", std::ios::binary) << FormatRecords(records);
    std::ofstream(folder + "/birthdays", std::ios::binary) << FormatBirthdayFile(records);
    return 0;
}
