// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    SettingsStore store{dir.path() + "/corvel"};
};

TEST_F(SettingsStoreTest, TextsSurviveARoundTripThroughTheFile) {
    const QString texts[] = {
        "C:\\pics\\photo.jpg", "a=b",         "a;b",   "\"quoted\"", "'single'",    "a, b", "@at",
        "  padded  ",          "Grüße, 写真", "#hash", "[section]",  "line\nbreak",
    };
    for (const QString& text : texts) {
        store.set("CorvelXP", "Settings", "Value", text);
        // A second store on the same folder reads what the first wrote to disk.
        SettingsStore reread(store.folder());
        EXPECT_EQ(reread.get("CorvelXP", "Settings", "Value", "default"), text)
            << text.toStdString();
    }
}

TEST_F(SettingsStoreTest, DefaultOnlyWhenTheKeyIsMissing) {
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Width", "110"), "110");
    store.set("CorvelXP", "Settings", "Width", "");
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Width", "110"), "");
    store.set("CorvelXP", "Settings", "Width", "0");
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Width", "110"), "0");
    EXPECT_EQ(store.get("CorvelXP", "Other", "Width", "110"), "110");
}

TEST_F(SettingsStoreTest, ApplicationsAndSectionsAreKeptApart) {
    store.set("CorvelXP", "Settings", "Path", "/a");
    store.set("WebPath", "Path", "Path", "/b");
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Path", ""), "/a");
    EXPECT_EQ(store.get("WebPath", "Path", "Path", ""), "/b");
    EXPECT_EQ(store.get("WebPath", "Settings", "Path", "none"), "none");
    EXPECT_NE(store.fileFor("CorvelXP"), store.fileFor("WebPath"));
}

TEST_F(SettingsStoreTest, WriteGoesToDiskAtOnce) {
    store.set("CorvelXP", "Settings", "Tips", "0");
    QFile file(store.fileFor("CorvelXP"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Tips=0"));
}

TEST_F(SettingsStoreTest, SettingTheValueAlreadyStoredLeavesTheFileAlone) {
    store.set("CorvelXP", "Settings", "Width", "120");
    // The same entries as the store writes them, but as an editor on another desktop saves them.
    QFile file(store.fileFor("CorvelXP"));
    const QByteArray edited = "; by hand\r\n[Settings]\r\nWidth=120\r\n";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(edited);
    file.close();
    auto bytes = [&file] {
        file.open(QIODevice::ReadOnly);
        const QByteArray all = file.readAll();
        file.close();
        return all;
    };

    store.set("CorvelXP", "Settings", "Width", "120");
    EXPECT_EQ(bytes(), edited);

    // Another value, or the same one under another key, is written.
    store.set("CorvelXP", "Settings", "Height", "120");
    EXPECT_NE(bytes(), edited);
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Width", ""), "120");
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Height", ""), "120");
    store.set("CorvelXP", "Settings", "Width", "130");
    EXPECT_EQ(store.get("CorvelXP", "Settings", "Width", ""), "130");
}

TEST_F(SettingsStoreTest, AFolderThatCannotBeMadeIsNotAnError) {
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore broken(dir.path() + "/file/corvel");
    broken.set("CorvelXP", "Settings", "Width", "120");
    EXPECT_EQ(broken.get("CorvelXP", "Settings", "Width", "110"), "110");
}

TEST_F(SettingsStoreTest, AnUnwritableStoreKeepsWhatWasThere) {
    store.set("CorvelXP", "Settings", "Width", "120");
    const QString folder = store.folder();
    // Readable by all, writable by nobody.
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readable | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(
        folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QFile::setPermissions(store.fileFor("CorvelXP"), QFile::ReadOwner | QFile::ReadOther);
    // Root writes through permissions: try the write as an ordinary user in a child process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(3);
        }
        SettingsStore same(folder);
        same.set("CorvelXP", "Settings", "Width", "999");
        same.set("CorvelXP", "Settings", "Height", "999");
        _exit(same.get("CorvelXP", "Settings", "Width", "") == "120" ? 0 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    SettingsStore reread(folder);
    EXPECT_EQ(reread.get("CorvelXP", "Settings", "Width", ""), "120");
    EXPECT_EQ(reread.get("CorvelXP", "Settings", "Height", "none"), "none");
}

}  // namespace
