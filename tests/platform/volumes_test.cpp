// SPDX-License-Identifier: MIT
#include "platform/real_platform.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(MountedVolumes, RootComesFirstAndEveryDriveIsAReadableFolderOnce) {
    const QList<platform::Volume> volumes = platform::MountedVolumes().list();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.first().root, "/");
    QSet<QString> roots;
    for (const platform::Volume& volume : volumes) {
        EXPECT_TRUE(QDir(volume.root).exists()) << volume.root.toStdString();
        EXPECT_FALSE(volume.root.startsWith("/proc") || volume.root.startsWith("/sys"));
        EXPECT_FALSE(roots.contains(volume.root));
        roots.insert(volume.root);
    }
}

}  // namespace
