// SPDX-License-Identifier: MIT
#include "ui/folder_lists.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace {

using testing_support::TestPlatform;
using testing_support::texts;
using testing_support::writeFile;

// Every text a signal carried, in order.
template <typename Sender, typename Signal>
std::shared_ptr<QStringList> record(Sender* sender, Signal signal) {
    auto seen = std::make_shared<QStringList>();
    QObject::connect(sender, signal, [seen](const QString& text) { seen->append(text); });
    return seen;
}

// ---- folder list ----------------------------------------------------------------------------

class DirListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base = platform.makeFolder(QStringLiteral("tree/Albums"));
        for (const char* child : {"zoo", "Beach", "attic", ".cache"}) {
            platform.makeFolder(QStringLiteral("tree/Albums/") + QLatin1String(child));
        }
        writeFile(base + QStringLiteral("/notes.bmp"));
    }

    TestPlatform platform;
    QString base;
};

TEST_F(DirListTest, ShowsTheChainToTheFolderThenItsSortedChildren) {
    ui::DirList list(nullptr, base);
    ASSERT_EQ(list.path(), base);

    const QStringList parts = base.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList expected{QStringLiteral("/")};
    expected += parts;
    const int current = static_cast<int>(expected.size()) - 1;
    expected += QStringList{"attic", "Beach", "zoo"};  // no dot-folder, no file
    EXPECT_EQ(texts(&list), expected);

    EXPECT_EQ(list.currentFolderRow(), current);
    EXPECT_EQ(list.currentRow(), current);
    EXPECT_EQ(list.folderAt(0), QStringLiteral("/"));
    EXPECT_EQ(list.folderAt(current), base);
    EXPECT_EQ(list.folderAt(current + 2), base + QStringLiteral("/Beach"));
    for (int row = 0; row <= current; ++row) {
        EXPECT_EQ(list.levelAt(row), row);
    }
    EXPECT_EQ(list.levelAt(current + 1), current + 1);
    EXPECT_EQ(list.levelAt(current + 3), current + 1);
}

TEST_F(DirListTest, SettingThePathFiresOnlyOnARealChange) {
    ui::DirList list(nullptr, base);
    const auto changes = record(&list, &ui::DirList::pathChanged);

    EXPECT_TRUE(list.setPath(base + QStringLiteral("/zoo/")));
    EXPECT_EQ(list.path(), base + QStringLiteral("/zoo"));
    EXPECT_TRUE(list.setPath(QStringLiteral("..")));  // relative to the current folder
    EXPECT_EQ(list.path(), base);
    EXPECT_TRUE(list.setPath(base));  // already there: read again, no change
    ASSERT_EQ(changes->size(), 2);
    EXPECT_EQ(changes->at(0), base + QStringLiteral("/zoo"));
    EXPECT_EQ(changes->at(1), base);

    EXPECT_TRUE(list.setPath(QStringLiteral("/")));
    EXPECT_EQ(list.path(), QStringLiteral("/"));
    EXPECT_EQ(list.currentFolderRow(), 0);
}

TEST_F(DirListTest, FoldersThatCannotBeListedAreNotOpened) {
    ui::DirList list(nullptr, base);
    const auto changes = record(&list, &ui::DirList::pathChanged);

    for (const QString& bad :
         {base + QStringLiteral("/missing"), base + QStringLiteral("/notes.bmp"), QString()}) {
        EXPECT_FALSE(list.setPath(bad)) << bad.toStdString();
        EXPECT_EQ(list.path(), base);
    }
    EXPECT_EQ(changes->size(), 0);

    // A child that vanished after it was listed: opening it leaves the list where it was.
    const int zoo = static_cast<int>(texts(&list).indexOf(QStringLiteral("zoo")));
    ASSERT_TRUE(QDir(base + QStringLiteral("/zoo")).removeRecursively());
    emit list.itemDoubleClicked(list.item(zoo));
    EXPECT_EQ(list.path(), base);
    EXPECT_EQ(list.currentRow(), list.currentFolderRow());
    EXPECT_EQ(changes->size(), 0);

    // A start folder that cannot be listed starts at the root.
    ui::DirList fallback(nullptr, base + QStringLiteral("/missing"));
    EXPECT_EQ(fallback.path(), QStringLiteral("/"));
}

TEST_F(DirListTest, WithoutAStartFolderOnlyTheFirstFolderSetIsRead) {
    ui::DirList list(nullptr);
    EXPECT_EQ(list.path(), QDir::currentPath());
    EXPECT_EQ(list.count(), 0);
    const auto changes = record(&list, &ui::DirList::pathChanged);
    ASSERT_TRUE(list.setPath(base));
    EXPECT_EQ(list.folderAt(list.currentFolderRow()), base);
    EXPECT_EQ(texts(&list).mid(list.currentFolderRow() + 1),
              (QStringList{"attic", "Beach", "zoo"}));
    EXPECT_EQ(changes->size(), base == QDir::currentPath() ? 0 : 1);

    // When that folder cannot be listed, the start folder is shown after all.
    ui::DirList fallback(nullptr);
    EXPECT_FALSE(fallback.setPath(base + QStringLiteral("/missing")));
    EXPECT_EQ(fallback.path(), QDir::currentPath());
    ASSERT_GE(fallback.currentFolderRow(), 0);
    EXPECT_EQ(fallback.folderAt(fallback.currentFolderRow()), QDir::currentPath());
}

TEST_F(DirListTest, DoubleClickAndEnterOpenAFolder) {
    ui::DirList list(nullptr, base);
    const auto changes = record(&list, &ui::DirList::pathChanged);

    const int beach = static_cast<int>(texts(&list).indexOf(QStringLiteral("Beach")));
    emit list.itemDoubleClicked(list.item(beach));
    EXPECT_EQ(list.path(), base + QStringLiteral("/Beach"));

    // Enter on the parent entry goes up again; a single selection alone does not open.
    list.setCurrentRow(list.currentFolderRow() - 1);
    EXPECT_EQ(list.path(), base + QStringLiteral("/Beach"));
    testing_support::pressKey(&list, Qt::Key_Return);
    EXPECT_EQ(list.path(), base);
    EXPECT_EQ(changes->size(), 2);
}

// ---- file listing ---------------------------------------------------------------------------

TEST(FileListTest, MatchesEveryGlobOfThePatternWithoutRegardToCase) {
    const QString pattern = QStringLiteral("*.bmp;*.jpg;*.gif");
    struct Case {
        const char* name;
        bool matches;
    } cases[] = {
        {"a.bmp", true},     {"B.BMP", true},  {"c.Jpg", true},          {"d.gif", true},
        {"e.jpeg", false},   {"f.png", false}, {"g.bmp.txt", false},     {"bmp", false},
        {"h.tar.gif", true}, {".bmp", true},   {"with space.jpg", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::FileList::matches(QLatin1String(c.name), pattern), c.matches) << c.name;
    }
    EXPECT_TRUE(ui::FileList::matches(QStringLiteral("x.BMP"), QStringLiteral(" *.bmp ; ")));
    EXPECT_FALSE(ui::FileList::matches(QStringLiteral("x.bmp"), QString()));
}

TEST(FileListTest, ListsRegularVisibleMatchingFilesSortedByName) {
    TestPlatform platform;
    const QString folder = platform.makeFolder(QStringLiteral("pics"));
    for (const char* name : {"zebra.gif", "Apple.JPG", "mango.bmp", "banana.jpeg", "kiwi.png",
                             ".secret.bmp", "Cherry.Bmp"}) {
        writeFile(folder + QLatin1Char('/') + QLatin1String(name));
    }
    platform.makeFolder(QStringLiteral("pics/folder.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.jpg")).constData(), 0600),
              0);
    QFile::link(folder + QStringLiteral("/nowhere"), folder + QStringLiteral("/dead.gif"));

    ui::FileList files(nullptr);
    files.setPattern(QStringLiteral("*.bmp;*.jpg;*.gif"));
    const auto changes = record(&files, &ui::FileList::pathChanged);
    ASSERT_TRUE(files.setPath(folder));
    EXPECT_EQ(files.path(), folder);
    EXPECT_EQ(files.fileNames(),
              (QStringList{"Apple.JPG", "Cherry.Bmp", "mango.bmp", "zebra.gif"}));
    EXPECT_EQ(files.fileName(1), QStringLiteral("Cherry.Bmp"));
    EXPECT_EQ(files.fileName(9), QString());
    EXPECT_EQ(changes->size(), 1);

    files.setPattern(QStringLiteral("*.png"));
    EXPECT_EQ(files.fileNames(), QStringList{"kiwi.png"});
}

TEST(FileListTest, AFolderThatCannotBeListedLeavesTheListingAsItWas) {
    TestPlatform platform;
    const QString folder = platform.makeFolder(QStringLiteral("pics"));
    writeFile(folder + QStringLiteral("/one.bmp"));
    ui::FileList files(nullptr);
    ASSERT_TRUE(files.setPath(folder));
    const auto changes = record(&files, &ui::FileList::pathChanged);

    EXPECT_FALSE(files.setPath(folder + QStringLiteral("/missing")));
    EXPECT_FALSE(files.setPath(folder + QStringLiteral("/one.bmp")));
    EXPECT_EQ(files.path(), folder);
    EXPECT_EQ(files.fileNames(), QStringList{"one.bmp"});
    EXPECT_EQ(changes->size(), 0);

    // Setting the same folder again reads it again.
    writeFile(folder + QStringLiteral("/two.bmp"));
    EXPECT_TRUE(files.setPath(folder));
    EXPECT_EQ(files.fileNames(), (QStringList{"one.bmp", "two.bmp"}));
    EXPECT_EQ(changes->size(), 0);
}

// ---- drive list -----------------------------------------------------------------------------

class DriveListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        data = platform.makeFolder(QStringLiteral("mnt/data"));
        platform.makeFolder(QStringLiteral("mnt/data/photos"));
        gone = platform.home() + QStringLiteral("/mnt/gone");
        platform.volumes.volumes = {{QStringLiteral("/"), QStringLiteral("System")},
                                    {data, QStringLiteral("Data")},
                                    {gone, QString()}};
    }

    TestPlatform platform;
    QString data;
    QString gone;
};

TEST_F(DriveListTest, ShowsRootPathAndVolumeNameRootFirst) {
    ui::DriveList drives(nullptr, platform.volumes);
    ASSERT_EQ(drives.count(), 3);
    EXPECT_EQ(drives.itemText(0), QStringLiteral("/  [System]"));
    EXPECT_EQ(drives.itemText(1), data + QStringLiteral("  [Data]"));
    EXPECT_EQ(drives.itemText(2), gone);
    EXPECT_EQ(drives.drive(), QStringLiteral("/"));

    EXPECT_EQ(drives.driveOf(data + QStringLiteral("/photos")), data);
    EXPECT_EQ(drives.driveOf(data), data);
    EXPECT_EQ(drives.driveOf(data + QStringLiteral("x")), QStringLiteral("/"));
    EXPECT_EQ(drives.driveOf(platform.documents()), QStringLiteral("/"));
}

TEST_F(DriveListTest, ChangingTheDriveInCodeOrByTheUserFiresTheChange) {
    ui::DriveList drives(nullptr, platform.volumes);
    const auto changes = record(&drives, &ui::DriveList::driveChanged);

    EXPECT_TRUE(drives.setDriveOf(data + QStringLiteral("/photos")));
    EXPECT_EQ(drives.drive(), data);
    EXPECT_TRUE(drives.setDriveOf(data));  // no change, no signal
    drives.setCurrentIndex(0);             // as a pick from the list does
    EXPECT_EQ(drives.drive(), QStringLiteral("/"));
    ASSERT_EQ(changes->size(), 2);
    EXPECT_EQ(changes->at(0), data);
    EXPECT_EQ(changes->at(1), QStringLiteral("/"));
}

TEST_F(DriveListTest, ADriveThatCannotBeReadIsNotTaken) {
    ui::DriveList drives(nullptr, platform.volumes);
    ASSERT_TRUE(drives.setDriveOf(data));
    const auto changes = record(&drives, &ui::DriveList::driveChanged);

    EXPECT_FALSE(drives.setDriveOf(gone));
    EXPECT_EQ(drives.drive(), data);
    drives.setCurrentIndex(2);  // picked by the user
    EXPECT_EQ(drives.currentIndex(), 1);
    EXPECT_EQ(drives.drive(), data);
    EXPECT_EQ(changes->size(), 0);
}

TEST_F(DriveListTest, RemembersEachDrivesCurrentFolder) {
    ui::DriveList drives(nullptr, platform.volumes);
    const auto changes = record(&drives, &ui::DriveList::driveChanged);

    const QString photos = data + QStringLiteral("/photos");
    drives.followFolder(photos);
    EXPECT_EQ(drives.drive(), data);
    EXPECT_EQ(drives.currentFolder(), photos);
    drives.followFolder(platform.documents());
    EXPECT_EQ(drives.drive(), QStringLiteral("/"));
    EXPECT_EQ(changes->size(), 0);  // following a folder list is no drive change

    ASSERT_TRUE(drives.setDriveOf(data));
    EXPECT_EQ(drives.currentFolder(), photos);
    ASSERT_TRUE(QDir(photos).removeRecursively());
    EXPECT_EQ(drives.currentFolder(), data);  // gone: back to the drive's root

    platform.volumes.volumes.removeLast();
    drives.refresh();
    EXPECT_EQ(drives.count(), 2);
    EXPECT_EQ(drives.drive(), data);
}

}  // namespace
