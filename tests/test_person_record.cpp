// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(RecordList, RemovesOnlyWhatItHolds) {
    RecordList records;
    Append(records, Record("A", 1, 1, 0));
    PersonRecord* b = Append(records, Record("B", 1, 1, 0));
    EXPECT_TRUE(RemoveRecord(records, b));
    EXPECT_FALSE(RemoveRecord(records, b));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front()->name, "A");
}
