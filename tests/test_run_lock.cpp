// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/RunLock.h"

TEST(RunLock, OneHolderAtATime) {
    TempDir dir;
    const std::string path = dir.File("ovras.ini.lock");
    {
        const RunLock first(path);
        EXPECT_EQ(first.state(), RunLock::State::Held);
        EXPECT_EQ(RunLock(path).state(), RunLock::State::Busy);
    }
    EXPECT_FALSE(std::filesystem::exists(path)) << "the holder tidies up";
    EXPECT_EQ(RunLock(path).state(), RunLock::State::Held);
    EXPECT_EQ(RunLock(dir.File("missing/ovras.ini.lock")).state(), RunLock::State::Unavailable);
}
