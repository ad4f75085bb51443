// SPDX-License-Identifier: MIT
#include "mainwindow/user_folders.h"
#include "platform/real_platform.h"
#include "support/test_platform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::PathStyle;

namespace {

TEST(GetSpecialFolder, OneTrailingSeparatorOrEmptyText) {
    testing_support::FixedSpecialFolders folders;
    folders.documents = "/home/ann/Documents";
    folders.pictures = "/home/ann/Pictures/";
    const PathStyle& host = PathStyle::host();
    EXPECT_EQ(GetSpecialFolder(folders, host, kFolderDocuments), "/home/ann/Documents/");
    EXPECT_EQ(GetSpecialFolder(folders, host, kFolderPictures), "/home/ann/Pictures/");
    EXPECT_EQ(GetSpecialFolder(folders, host, 17), "");
    folders.documents = "D:\\Docs";
    EXPECT_EQ(GetSpecialFolder(folders, PathStyle::windows(), kFolderDocuments), "D:\\Docs\\");
    folders.pictures.clear();
    EXPECT_EQ(GetSpecialFolder(folders, host, kFolderPictures), "");
}

TEST(GetSpecialFolder, RealLookupFollowsTheUsersHome) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    platform::XdgSpecialFolders folders;
    const QString missing = GetSpecialFolder(folders, PathStyle::host(), kFolderPictures);
    QDir(home.path()).mkdir("Pictures");
    const QString present = GetSpecialFolder(folders, PathStyle::host(), kFolderPictures);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_EQ(missing, "");
    EXPECT_EQ(present, home.path() + "/Pictures/");
}

}  // namespace
