// SPDX-License-Identifier: MIT
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileSystemTest, FoldersOfOneFileSystemShareItAndOthersDoNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/a/b"));
    const auto here = platform::fileSystemOf(dir.path());
    ASSERT_TRUE(here);
    EXPECT_EQ(platform::fileSystemOf(dir.path() + "/a/b"), here);
    EXPECT_FALSE(platform::fileSystemOf(dir.path() + "/missing"));
    EXPECT_FALSE(platform::fileSystemOf(QString()));
    // A link is looked at itself, not at what it points to: a dangling one still answers.
    ASSERT_TRUE(QFile::link(dir.path() + "/nowhere", dir.path() + "/dangling"));
    EXPECT_EQ(platform::fileSystemOf(dir.path() + "/dangling"), here);
    // The kernel's folders are file systems of their own where the machine has them.
    const auto proc = platform::fileSystemOf("/proc/self");
    if (proc && QDir("/proc/self").exists()) {
        EXPECT_NE(proc, platform::fileSystemOf("/"));
    }
}

}  // namespace
