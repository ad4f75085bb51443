// SPDX-License-Identifier: MIT
// Faults of the run that were mended: each test shows the sound behaviour.
#include "run_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

using platform::Answer;
using testing_support::pressKey;

namespace {

const QString kFinished = QStringLiteral("Corvel XP  --  Finished!  Images Processed: ");
const QString kWarning = QStringLiteral("Confirm Continue Processing");
const QString kChangeOptions = QStringLiteral("Change Options To Continue Processing");

// Thumbnails into the source folders under the sources' own names, without a question.
class SameFolderRun : public RunTest {
  protected:
    void SetUp() override {
        RunTest::SetUp();
        platform.store("FileLocation", "1");
        platform.store("Name", "");
        platform.store("Overwrite", "0");
    }
};

struct Way {
    const char* name;
    bool singlePicture;
    std::function<void(FrmResize&)> start;
};

const Way kWays[] = {
    {"toolbar", false, [](FrmResize& w) { w.Image2_Click(); }},
    {"menu", false, [](FrmResize& w) { w.mnuProcess->trigger(); }},
    {"Enter in the source file box", true,
     [](FrmResize& w) { pressKey(w.txtSourceFile, Qt::Key_Return, "\r"); }},
};

}  // namespace

TEST_F(SameFolderRun, EveryWayIntoARunAsksTheSameWarning) {
    for (const Way& way : kWays) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            SCOPED_TRACE(std::string(way.name) + (answer == Answer::Yes ? ", Yes" : ", No"));
            const QString source = picture("photo.bmp");
            FrmResize& w = load();
            if (way.singlePicture) {
                w.txtSourcePath->setText(platform.pictures() + "/");
                w.txtSourceFile->setText("photo.bmp");
            } else {
                queue(w, {source});
            }
            platform.dialogs.answer(answer, kWarning);
            way.start(w);
            if (answer == Answer::No) {
                EXPECT_EQ(platform.dialogs.titles(), QStringList({kWarning, kChangeOptions}));
                EXPECT_FALSE(w.run.isActive());
                EXPECT_EQ(w.indCmdProcessClick, 0);
            } else {
                EXPECT_EQ(platform.dialogs.titles(), QStringList{kWarning});
                EXPECT_TRUE(w.run.isActive());
                runToEnd(w);
                EXPECT_EQ(w.windowTitle(), kFinished + "1");
                EXPECT_TRUE(QFileInfo::exists(platform.pictures() + "/photo.jpg"));
            }
            platform.verifyAndReset();
            QFile::remove(platform.pictures() + "/photo.jpg");
            w.close();
        }
    }
}

TEST_F(SameFolderRun, NoWarningWhenTheNamesDifferOrThePromptIsOn) {
    const QString source = picture("photo.bmp");
    FrmResize& w = load();
    queue(w, {source});
    w.chkOverwrite->setChecked(true);
    w.mnuProcess->trigger();
    EXPECT_TRUE(platform.dialogs.shown.empty());
    runToEnd(w);
    EXPECT_TRUE(QFileInfo::exists(platform.pictures() + "/photo.jpg"));
}

TEST_F(RunTest, DestinationCheckRefusesPlaceholdersAndChoosePath) {
    const QString source = picture("photo.bmp");
    const platform::PathStyle& host = platform::PathStyle::host();
    const QString refused[] = {
        "",
        " ",
        host.placeholderFolder(),
        host.placeholderFile(),
        host.placeholderFile() + host.qSeparator(),
        "Choose Path",
    };
    FrmResize& w = load();
    for (const bool single : {false, true}) {
        w.List1->clear();
        if (single) {
            w.txtSourcePath->setText(platform.pictures() + "/");
            w.txtSourceFile->setText("photo.bmp");
        } else {
            queue(w, {source});
        }
        for (const QString& text : refused) {
            SCOPED_TRACE((single ? "single picture, " : "queue, ") + text.toStdString());
            w.txtDestName->setText(text);
            w.Image2_Click();
            EXPECT_EQ(platform.dialogs.titles(), QStringList{"Enter Destination Path"});
            EXPECT_FALSE(w.run.isActive());
            EXPECT_EQ(w.indCmdProcessClick, 0);
            // With a queue the save-to chooser opens; the next start closes it first.
            EXPECT_EQ(w.frameBrowse->isHidden(), single);
            platform.verifyAndReset();
        }
    }
    EXPECT_FALSE(QFileInfo::exists("/FilePath"));
    EXPECT_FALSE(QFileInfo::exists("/Choose Path"));
    EXPECT_FALSE(QFileInfo::exists("/FilePath/FileName"));
}

TEST_F(RunTest, QueueOfOneUnreadablePictureFinishesWithItsError) {
    FrmResize& w = loadWithQueue({unreadable("broken.jpg")});
    watchTicks(w);
    w.Image2_Click();
    runToEnd(w, 20000);

    EXPECT_FALSE(w.run.isActive());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(w.windowTitle(), kFinished + "1 -- Process Errors: 1");
    EXPECT_EQ(w.lblFinished->text(), "Finished Processing");
    EXPECT_FALSE(w.timerProcess.enabled());
    EXPECT_FALSE(QFileInfo::exists(thumb("broken_th.jpg")));
}

TEST_F(RunTest, ThumbnailThatCannotBeWrittenIsAProcessError) {
    // A folder of the thumbnail's name stands where the file would go.
    ASSERT_TRUE(QDir().mkpath(thumb("next_th.jpg")));
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")});
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "3 -- Process Errors: 1");
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(QFileInfo(thumb("photo_th.jpg")).isFile());
    EXPECT_TRUE(QFileInfo(thumb("next_th.jpg")).isDir());
    EXPECT_TRUE(QFileInfo(thumb("last_th.jpg")).isFile());
    EXPECT_EQ(w.indSaving, 0);
}

TEST_F(RunTest, EmptyQualityBecomes100SoTheJpegIsWritten) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    w.txtQuality->clear();
    w.Image2_Click();
    EXPECT_EQ(w.txtQuality->text(), "100");
    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "1");
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
}
