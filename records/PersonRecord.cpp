// SPDX-License-Identifier: MIT
#include "PersonRecord.h"

#include <algorithm>

void FreeRecords(RecordList& records) {
    records.clear();
}

bool RemoveRecord(RecordList& records, const PersonRecord* record) {
    auto it = std::find_if(records.begin(), records.end(),
                           [record](const auto& owned) { return owned.get() == record; });
    if (it == records.end()) {
        return false;
    }
    records.erase(it);
    return true;
}
