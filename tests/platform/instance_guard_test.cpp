// SPDX-License-Identifier: MIT
#include "platform/instance_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::LockFileInstanceGuard;

class InstanceGuardTest : public ::testing::Test {
  protected:
    void leaveLockFile(const QByteArray& content, QFile::Permissions permissions = {}) const {
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (permissions) {
            ASSERT_TRUE(file.setPermissions(permissions));
        }
    }

    QTemporaryDir runtime;
    QString lock = runtime.path() + "/corvelxp.lock";
};

TEST_F(InstanceGuardTest, ASecondGuardIsRefusedWhileTheFirstHoldsTheClaim) {
    {
        LockFileInstanceGuard first(lock);
        ASSERT_TRUE(first.claim());
        EXPECT_TRUE(first.holdsLock());
        EXPECT_TRUE(first.claim());  // claiming again is harmless
        LockFileInstanceGuard second(lock);
        EXPECT_FALSE(second.claim());
        EXPECT_FALSE(second.holdsLock());
    }
    // The first copy ended: its file is left behind, and the next copy takes it over.
    EXPECT_TRUE(QFileInfo::exists(lock));
    LockFileInstanceGuard after(lock);
    EXPECT_TRUE(after.claim());
    EXPECT_TRUE(after.holdsLock());
    LockFileInstanceGuard third(lock);
    EXPECT_FALSE(third.claim());
}

TEST_F(InstanceGuardTest, AFileNoLiveProcessHoldsIsTakenOver) {
    const struct {
        const char* name;
        QByteArray content;
        bool unreadable;
    } leftBehind[] = {
        {"empty", {}, false},
        {"not a lock record", QByteArray("\xff\xfe garbage \x00\x01", 14), false},
        {"left by a process that died", "2147483646\ncorvelxp\nsomehost\n", false},
        {"unreadable", "1\n", true},
    };
    for (const auto& file : leftBehind) {
        SCOPED_TRACE(file.name);
        leaveLockFile(file.content, file.unreadable ? QFile::Permissions(QFile::WriteOther)
                                                    : QFile::Permissions{});
        {
            LockFileInstanceGuard guard(lock);
            EXPECT_TRUE(guard.claim());
            EXPECT_TRUE(guard.holdsLock());
            // And it is a real lock: a copy started now is refused.
            LockFileInstanceGuard second(lock);
            EXPECT_FALSE(second.claim());
        }
        QFile::setPermissions(lock, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(lock);
    }
}

TEST_F(InstanceGuardTest, WithoutAPlaceForTheLockTheProgramStartsAnyway) {
    // A folder that cannot be made and a path through a file: no lock can be made here, not
    // even by an administrator, as in a full or read-only runtime folder.
    QFile plain(runtime.path() + "/plain");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& path : {runtime.path() + "/gone/corvelxp.lock",
                                runtime.path() + "/plain/corvelxp.lock", QString()}) {
        SCOPED_TRACE(path.toStdString());
        LockFileInstanceGuard first(path);
        EXPECT_TRUE(first.claim());
        EXPECT_FALSE(first.holdsLock());
        LockFileInstanceGuard second(path);
        EXPECT_TRUE(second.claim());
    }
}

TEST_F(InstanceGuardTest, AFileInAFolderThatTurnedReadOnlyStillLocks) {
    leaveLockFile({});
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(lock, QFile::ReadOwner));
    {
        LockFileInstanceGuard first(lock);
        EXPECT_TRUE(first.claim());
        LockFileInstanceGuard second(lock);
        EXPECT_FALSE(second.claim());
    }
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(InstanceGuard, TheLockLivesInTheUsersRuntimeFolder) {
    QTemporaryDir runtime;  // made for this user alone, as a runtime folder must be
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString path = LockFileInstanceGuard::defaultLockPath("corvelxp");
    if (saved.isNull()) {
        qunsetenv("XDG_RUNTIME_DIR");
    } else {
        qputenv("XDG_RUNTIME_DIR", saved);
    }
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(runtime.path()).absolutePath());
    EXPECT_EQ(QFileInfo(path).fileName(), "corvelxp.lock");
}

}  // namespace
