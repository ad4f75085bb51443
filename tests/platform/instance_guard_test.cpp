// SPDX-License-Identifier: MIT
#include "platform/real_platform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InstanceGuard, ASecondGuardIsRefusedWhileTheFirstHoldsTheClaim) {
    QTemporaryDir dir;
    const QString lock = dir.path() + "/corvelxp.lock";
    {
        platform::LockFileInstanceGuard first(lock);
        ASSERT_TRUE(first.claim());
        EXPECT_TRUE(first.claim());  // claiming again is harmless
        platform::LockFileInstanceGuard second(lock);
        EXPECT_FALSE(second.claim());
    }
    platform::LockFileInstanceGuard after(lock);
    EXPECT_TRUE(after.claim());
}

}  // namespace
