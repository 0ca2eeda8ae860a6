// SPDX-License-Identifier: MIT
// Saves two versions of a data file in turn until it is killed:
//   fault_helper <data file> <first version> <second version>
#include "records/DataFile.h"

int main(int argc, char** argv) {
    RecordList versions[2];
    if (argc != 4 || LoadRecords(argv[2], versions[0]) != LoadStatus::Loaded ||
        LoadRecords(argv[3], versions[1]) != LoadStatus::Loaded) {
        return 2;
    }
    for (unsigned i = 0;; ++i) {
        SaveRecords(argv[1], versions[i % 2]);
    }
}
