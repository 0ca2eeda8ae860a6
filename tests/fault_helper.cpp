// SPDX-License-Identifier: MIT
// For saves killed halfway: `fault_helper versions` writes v0 and v1, two versions of a long
// record list; `fault_helper save-loop <path>` saves them in turn until it is killed.
#include <string>

#include "TestSupport.h"
#include "model/DataFile.h"

namespace {

RecordList Version(int version) {
    RecordList records;
    for (int i = 0; i < 5000; ++i) {
        Append(records,
               Record("Person " + std::to_string(i) + " of version " + std::to_string(version),
                      1 + i % 28, 1 + i % 12, 1950 + version));
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const RecordList versions[] = {Version(0), Version(1)};
    if (command == "versions") {
        WriteFile("v0", FormatRecords(versions[0]));
        WriteFile("v1", FormatRecords(versions[1]));
        return 0;
    }
    if (command == "save-loop" && argc > 2) {
        for (unsigned i = 0;; ++i) {
            SaveRecords(argv[2], versions[i % 2]);
        }
    }
    return 2;
}
