// SPDX-License-Identifier: MIT
#include "engine/file_write.h"
#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

using engine::IfExists;
using engine::WriteResult;
using namespace engine_fixtures;

namespace {

std::string native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

WriteResult put(const QString& path, std::string_view text, IfExists ifExists = IfExists::Replace) {
    return engine::writeFile(
        native(path), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, ifExists);
}

// Runs `step` in a child process as a user without privileges (root is not stopped by
// permission bits), and gives its result back.
bool unprivileged(const std::function<bool()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        ::_exit(step() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

class FileWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        // Open to the unprivileged child.
        ASSERT_EQ(::chmod(native(temp.path()).c_str(), 0755), 0);
    }
    QString at(const QString& name) const { return temp.filePath(name); }
    QStringList entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QTemporaryDir temp;
};

TEST_F(FileWrite, NewAndReplacedFilesLeaveNothingBeside) {
    const QString path = at("thumb.jpg");
    EXPECT_TRUE(put(path, "first").written());
    EXPECT_EQ(readFile(path), "first");
    ASSERT_EQ(::chmod(native(path).c_str(), 0640), 0);
    EXPECT_TRUE(put(path, "second").written());
    EXPECT_EQ(readFile(path), "second");
    struct stat info {};
    ASSERT_EQ(::stat(native(path).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the replaced file keeps its permission bits";
    EXPECT_EQ(entries(temp.path()), QStringList{"thumb.jpg"});
}

TEST_F(FileWrite, ALinkAtTheNameIsReplacedAndItsTargetKept) {
    const QString original = at("original.jpg");
    ASSERT_TRUE(writeFile(original, "the user's picture"));
    const QString link = at("thumb.jpg");
    ASSERT_TRUE(QFile::link(original, link));
    EXPECT_TRUE(put(link, "thumbnail").written());
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(link), "thumbnail");
    EXPECT_EQ(readFile(original), "the user's picture");

    const QString dangling = at("dangling.jpg");
    ASSERT_TRUE(QFile::link(at("nowhere/none.jpg"), dangling));
    EXPECT_TRUE(put(dangling, "thumbnail").written());
    EXPECT_EQ(readFile(dangling), "thumbnail");
    EXPECT_FALSE(QFileInfo::exists(at("nowhere")));
}

TEST_F(FileWrite, KeepNeverReplaces) {
    const QString path = at("thumb.jpg");
    ASSERT_TRUE(writeFile(path, "old"));
    EXPECT_EQ(put(path, "new", IfExists::Keep).status, WriteResult::Status::Exists);
    const QString link = at("link.jpg");
    ASSERT_TRUE(QFile::link(at("absent.jpg"), link));
    EXPECT_EQ(put(link, "new", IfExists::Keep).status, WriteResult::Status::Exists);
    EXPECT_TRUE(put(at("fresh.jpg"), "new", IfExists::Keep).written());
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(entries(temp.path()), (QStringList{"fresh.jpg", "link.jpg", "thumb.jpg"}));
}

// What is at the name or around it stays exactly as it was, and the write says why it failed.
TEST_F(FileWrite, WhatCannotBeReplacedIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(at("folder.jpg")));
    const WriteResult onFolder = put(at("folder.jpg"), "x");
    EXPECT_FALSE(onFolder.written());
    EXPECT_EQ(onFolder.reason, "it is a folder");

    ASSERT_EQ(::mkfifo(native(at("fifo.jpg")).c_str(), 0644), 0);
    EXPECT_EQ(put(at("fifo.jpg"), "x").reason, "it is not a regular file");
    EXPECT_TRUE(QFileInfo(at("fifo.jpg")).exists());

    const WriteResult noFolder = put(at("missing/thumb.jpg"), "x");
    EXPECT_FALSE(noFolder.written());
    EXPECT_NE(noFolder.reason.find("cannot make a temporary file in"), std::string::npos);
    EXPECT_EQ(entries(temp.path()), QStringList{"fifo.jpg"});
}

// A folder that takes no new file (no write permission here; no inodes left on a full disk
// is the same) leaves a replaceable file byte for byte as it was: nothing is written in place.
TEST_F(FileWrite, NoRoomForATemporaryFileLeavesTheOldFileUntouched) {
    const QString folder = at("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/thumb.jpg";
    ASSERT_TRUE(writeFile(path, "the old thumbnail"));
    ASSERT_EQ(::chmod(native(path).c_str(), 0666), 0);  // the file itself could be written
    ASSERT_EQ(::chmod(native(folder).c_str(), 0555), 0);
    EXPECT_TRUE(unprivileged([&] {
        const WriteResult result = put(path, "a new thumbnail, longer than the old one");
        return !result.written() &&
               result.reason.find("cannot make a temporary file") != std::string::npos &&
               !engine::folderRefusal(native(folder)).empty();
    }));
    EXPECT_EQ(readFile(path), "the old thumbnail");
    ::chmod(native(folder).c_str(), 0755);
    EXPECT_EQ(entries(folder), QStringList{"thumb.jpg"});
}

TEST_F(FileWrite, AReadOnlyFileIsNotReplaced) {
    const QString path = at("thumb.jpg");
    ASSERT_TRUE(writeFile(path, "kept"));
    ASSERT_EQ(::chmod(native(path).c_str(), 0444), 0);
    ASSERT_EQ(::chmod(native(temp.path()).c_str(), 0777), 0);
    EXPECT_TRUE(unprivileged(
        [&] { return put(path, "new").reason == "permission denied (the file is read-only)"; }));
    EXPECT_EQ(readFile(path), "kept");
}

TEST_F(FileWrite, FolderRefusalTellsAUsableFolderFromOthers) {
    EXPECT_EQ(engine::folderRefusal(native(temp.path())), "");
    EXPECT_EQ(entries(temp.path()), QStringList{}) << "the probe leaves nothing";
    EXPECT_NE(engine::folderRefusal(native(at("missing"))), "");
    ASSERT_TRUE(writeFile(at("file"), "x"));
    EXPECT_EQ(engine::folderRefusal(native(at("file"))), "not a folder");
}

}  // namespace

// The gate the window tests use for a folder that refuses files: writes and probes fail as on
// a full disk, the old file stays, and the reason without the folder is kept for the caller.
TEST_F(FileWrite, AGatedFolderRefusesWritesAndProbesWithTheSystemsReason) {
    ASSERT_TRUE(put(at("thumb.jpg"), "old").written());
    const std::string folder = native(temp.path());
    engine::setFolderGate([&](const std::string& asked) { return asked == folder ? ENOSPC : 0; });

    const WriteResult full = put(at("thumb.jpg"), "new");
    EXPECT_FALSE(full.written());
    EXPECT_EQ(full.reason,
              "cannot make a temporary file in " + folder + ": no space left on device");
    EXPECT_EQ(engine::lastWriteFailure(), "no space left on device");
    EXPECT_EQ(engine::folderRefusal(folder), "no space left on device");
    EXPECT_EQ(readFile(at("thumb.jpg")), "old");
    EXPECT_EQ(entries(temp.path()), QStringList{"thumb.jpg"});

    engine::setFolderGate({});
    EXPECT_TRUE(put(at("thumb.jpg"), "new").written());
    EXPECT_EQ(engine::lastWriteFailure(), "");
    EXPECT_EQ(engine::folderRefusal(folder), "");
}
