// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(RecordList, RemovesTheGivenRecordOnly) {
    RecordList records;
    Append(records, Record("A", 1, 1, 0));
    RemoveRecord(records, Append(records, Record("B", 1, 1, 0)));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front()->name, "A");
}
