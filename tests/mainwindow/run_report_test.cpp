// SPDX-License-Identifier: MIT
// A run that cannot write: refused at the start when the save-to folder takes no file, and a
// finish that tells pictures that could not be loaded from thumbnails that could not be
// written. Root ignores permission bits, so folders refuse through the write path's gate.
#include "run_fixture.h"
#include "support/frm_resize_test_view.h"

#include "engine/file_write.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <map>

using platform::Icon;

namespace {

const QString kNotWritable = QStringLiteral("Cannot Write To Destination");
const QString kReport = QStringLiteral("Thumbnails Not Written");

class RunReportTest : public RunTest {
  protected:
    void SetUp() override {
        RunTest::SetUp();
        engine::setFolderGate([this](const std::string& folder) {
            const QString clean = QDir::cleanPath(QString::fromStdString(folder));
            const auto refused = refusing.find(clean);
            if (refused == refusing.end()) {
                return 0;
            }
            // A folder that fills up: it takes `room` more files, then no more.
            int& room = refused->second.room;
            if (room > 0) {
                --room;
                return 0;
            }
            return refused->second.error;
        });
    }
    void TearDown() override {
        engine::setFolderGate({});
        RunTest::TearDown();
    }

    void refuse(const QString& folder, int error, int room = 0) {
        refusing[QDir::cleanPath(folder)] = {error, room};
    }

    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    struct Refusal {
        int error;
        int room;
    };
    std::map<QString, Refusal> refusing;
};

}  // namespace

TEST_F(RunReportTest, UnwritableDestinationIsRefusedAtTheStart) {
    struct Case {
        const char* name;
        bool single;
        bool folderExists;  // else the start would make it in a folder that refuses
    };
    const Case cases[] = {
        {"queue", false, true},
        {"single picture", true, true},
        {"queue, folder still to make", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString source = picture("photo.bmp");
        if (c.folderExists) {
            ASSERT_TRUE(QDir().mkpath(destination));
            refuse(destination, EACCES);
        } else {
            refuse(platform.home(), EACCES);
        }
        FrmResize& w = load();
        if (c.single) {
            view(w).txtSourcePath->setText(platform.pictures() + "/");
            view(w).txtSourceFile->setText("photo.bmp");
        } else {
            queue(w, {source});
        }
        watchTicks(w);
        w.Image2_Click();
        platform.loop.advance(5000);

        ASSERT_EQ(platform.dialogs.titles(), QStringList{kNotWritable});
        EXPECT_EQ(platform.dialogs.shown[0].text,
                  "Cannot write to " + destination + ": Permission denied");
        EXPECT_EQ(platform.dialogs.shown[0].icon, Icon::Information);
        EXPECT_FALSE(view(w).run.isActive());
        EXPECT_EQ(view(w).indCmdProcessClick, 0);
        EXPECT_EQ(ticks, 0);  // no picture loaded
        EXPECT_TRUE(view(w).sourcePicture.isNull());
        EXPECT_TRUE(filesIn(destination).isEmpty());
        EXPECT_EQ(QFileInfo::exists(destination), c.folderExists);
        // With a queue the save-to chooser opens for another folder.
        EXPECT_EQ(view(w).frameBrowse->isHidden(), c.single);
        platform.verifyAndReset();
        w.close();
        refusing.clear();
        QDir(destination).removeRecursively();
    }
}

TEST_F(RunReportTest, DestinationThatFillsUpEndsWithTheBoxThatTellsFailuresApart) {
    ASSERT_TRUE(QDir().mkpath(destination));
    // Room for the start's probe and one thumbnail.
    refuse(destination, ENOSPC, 2);
    FrmResize& w = loadWithQueue(
        {picture("photo.bmp"), unreadable("broken.jpg"), picture("next.bmp"), picture("last.jpg")});
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "4 -- Process Errors: 3");
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kReport});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "1 picture could not be loaded\n2 thumbnails could not be written to " + destination +
                  ": No space left on device");
    EXPECT_EQ(platform.dialogs.shown[0].icon, Icon::Information);
    EXPECT_EQ(filesIn(destination), QStringList{"photo_th.jpg"});
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
    EXPECT_EQ(view(w).lblFinished->text(), "Finished Processing");
}

TEST_F(RunReportTest, BitmapsThatCannotBeWrittenAreReportedToo) {
    ASSERT_TRUE(QDir().mkpath(destination));
    refuse(destination, ENOSPC, 1);  // the probe only
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    view(w).optBMP->setChecked(true);
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "1 -- Process Errors: 1");
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kReport});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "1 thumbnail could not be written to " + destination + ": No space left on device");
    EXPECT_TRUE(filesIn(destination).isEmpty());
}

TEST_F(RunReportTest, OnlyLoadFailuresGiveNoBox) {
    FrmResize& w =
        loadWithQueue({unreadable("broken.jpg"), picture("photo.bmp"), unreadable("worse.gif")});
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "3 -- Process Errors: 2");
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
}

TEST_F(RunReportTest, SameFolderModeChecksEachPicturesFolderAsAWrite) {
    platform.store("FileLocation", "1");
    platform.store("Overwrite", "1");
    const QString locked = platform.pictures() + "/locked";
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString first = picture("a.bmp", 400, 300, locked);
    const QString second = picture("b.bmp", 400, 300, locked);
    testing_support::writeFile(locked + "/a_th.jpg", "old");
    refuse(locked, EROFS);
    FrmResize& w = loadWithQueue({first, picture("free.bmp"), second});
    // The start does not judge the source folders: each picture's folder is judged at its tick,
    // before any question about a file there.
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "3 -- Process Errors: 2");
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kReport});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "2 thumbnails could not be written to " + locked + ": Read-only file system");
    EXPECT_EQ(contents(locked + "/a_th.jpg"), "old");
    EXPECT_FALSE(QFileInfo::exists(locked + "/b_th.jpg"));
    EXPECT_TRUE(isJpeg(platform.pictures() + "/free_th.jpg"));
}

TEST_F(RunReportTest, FailuresInDifferentFoldersNameTheFirst) {
    platform.store("FileLocation", "1");
    const QString one = platform.pictures() + "/one";
    const QString two = platform.pictures() + "/two";
    ASSERT_TRUE(QDir().mkpath(one));
    ASSERT_TRUE(QDir().mkpath(two));
    refuse(one, EACCES);
    refuse(two, ENOSPC);
    FrmResize& w =
        loadWithQueue({picture("a.bmp", 400, 300, one), picture("b.bmp", 400, 300, two)});
    w.Image2_Click();
    runToEnd(w);

    ASSERT_EQ(platform.dialogs.titles(), QStringList{kReport});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "2 thumbnails could not be written, the first to " + one + ": Permission denied");
}
