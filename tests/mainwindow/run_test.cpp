// SPDX-License-Identifier: MIT
#include "picker/frm_browse.h"
#include "run_fixture.h"
#include "support/frm_resize_test_view.h"

#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

using platform::Answer;
using testing_support::click;
using testing_support::pressKey;

namespace {

// The thumbnail the run must write for a source: the point sampling at the call size.
QImage expectedThumbnail(const QString& source, int width = 110, int height = 130) {
    return engine::sampleThumbnail(engine::loadPicture(source), width + 2, height + 2)
        .convertToFormat(QImage::Format_RGB32);
}

struct TypeCase {
    const char* stored;
    const char* extension;
    bool jpegData;
};

class QueueOfThree : public RunTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(QueueOfThree, WritesOneThumbnailPerPictureWithProgressCaptions) {
    const TypeCase type = GetParam();
    platform.store("Type", type.stored);
    const QStringList sources{picture("photo.bmp"), picture("next.jpg", 320, 200),
                              picture("last.bmp", 90, 60)};
    FrmResize& w = loadWithQueue(sources);
    watchTicks(w);
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(captions, QStringList({"Corvel XP  --  Processing Image: 1 of 3",
                                     "Corvel XP  --  Processing Image: 2 of 3",
                                     "Corvel XP  --  Processing Image: 3 of 3", kFinished + "3"}));
    EXPECT_EQ(platform.dialogs.shown.size(), 0u);
    const QStringList names{"photo_th", "next_th", "last_th"};
    EXPECT_EQ(QDir(destination).entryList(QDir::Files, QDir::Name).size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString file = thumb(names[i] + type.extension);
        SCOPED_TRACE(file.toStdString());
        const QImage written(file);
        EXPECT_EQ(written.size(), QSize(110, 130));
        if (type.jpegData) {
            EXPECT_TRUE(isJpeg(file));
        } else {
            EXPECT_TRUE(isBitmap(file));
            EXPECT_EQ(engine::loadPicture(file), expectedThumbnail(sources[i]));
        }
    }
    EXPECT_EQ(view(w).lblDestPath->toolTip(), thumb("last_th" + QString(type.extension)));
}

INSTANTIATE_TEST_SUITE_P(Types, QueueOfThree,
                         ::testing::Values(TypeCase{"Jpg", ".jpg", true},
                                           TypeCase{"Bmp", ".bmp", false},
                                           TypeCase{"Gif", ".gif", true}));

TEST_F(RunTest, StartLocksTheWindowAndFinishGivesItBack) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    watchTicks(w);
    w.Image2_Click();

    EXPECT_TRUE(QFileInfo(destination).isDir());  // made at the start, before any picture
    EXPECT_EQ(view(w).cmdProcess->text(), "&Cancel Processing");
    EXPECT_EQ(view(w).cmdProcess->toolTip(), "Cancel Picture Processing");
    EXPECT_FALSE(view(w).cmdProcess->isHidden());
    EXPECT_EQ(view(w).Image2->toolTip(), "Cancel Picture Processing");
    EXPECT_EQ(view(w).mnuProcess->text(), "&Cancel Processing");
    EXPECT_TRUE(view(w).mnuProcess->isEnabled());
    for (QWidget* tool : std::initializer_list<QWidget*>{
             view(w).Image19, view(w).Image8, view(w).imgHelperTips, view(w).imgHelperTips_Off,
             view(w).cmdBrowse2, view(w).lblPath, view(w).lblSaveTo}) {
        EXPECT_TRUE(tool->isHidden());
    }
    EXPECT_FALSE(view(w).txtSourcePath->isHidden());
    EXPECT_FALSE(view(w).frameani->isHidden());
    EXPECT_EQ(view(w).twips.height(view(w).List1), 840);
    for (QWidget* option : std::initializer_list<QWidget*>{
             view(w).optJPG, view(w).optBMP, view(w).optGIF, view(w).chkPrefix, view(w).chkSufix,
             view(w).chkNumber, view(w).chkLandscape, view(w).chkFileLocation, view(w).txtDestName,
             view(w).List1, view(w).cmdBrowse2}) {
        EXPECT_FALSE(option->isEnabled());
    }
    EXPECT_TRUE(view(w).chkOverwrite->isEnabled());
    EXPECT_TRUE(view(w).txtwidth->isReadOnly());
    EXPECT_TRUE(view(w).txtHeight->isReadOnly());

    platform.loop.advance(900);
    EXPECT_EQ(view(w).Label21->text(), "Source File List -- Processing: 1 of 2");
    EXPECT_EQ(view(w).lblSourceFile->text(), view(w).List1->item(0)->text().size() > 46
                                                 ? view(w).List1->item(0)->text().left(21) + "..." +
                                                       view(w).List1->item(0)->text().right(21)
                                                 : view(w).List1->item(0)->text());
    EXPECT_EQ(view(w).txtSourcePath->text(), platform.pictures() + "/");
    EXPECT_EQ(view(w).txtSourceFile->text(), "photo.bmp");
    EXPECT_EQ(view(w).txtDestName->text(), destination + "/");
    EXPECT_FALSE(view(w).lblDestPath->isHidden());
    EXPECT_TRUE(view(w).imgLogo->isHidden());
    EXPECT_FALSE(view(w).imgProgress1->isHidden());

    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "2");
    EXPECT_EQ(view(w).cmdProcess->text(), "&Process Thumbnails");
    EXPECT_EQ(view(w).cmdProcess->toolTip(), "Process Selected Pictures");
    EXPECT_TRUE(view(w).cmdProcess->isHidden());
    EXPECT_EQ(view(w).Image2->toolTip(), "Process Source Files To Thumbnails");
    EXPECT_EQ(view(w).mnuProcess->text(), "&Start Processing");
    EXPECT_TRUE(view(w).mnuProcess->isEnabled());
    for (QWidget* option : std::initializer_list<QWidget*>{
             view(w).optJPG, view(w).optBMP, view(w).optGIF, view(w).chkPrefix, view(w).chkSufix,
             view(w).chkNumber, view(w).chkLandscape, view(w).chkFileLocation, view(w).txtDestName,
             view(w).List1, view(w).cmdBrowse2}) {
        EXPECT_TRUE(option->isEnabled());
    }
    EXPECT_FALSE(view(w).txtwidth->isReadOnly());
    EXPECT_EQ(view(w).Label21->text(), "Source File List:");
    EXPECT_FALSE(view(w).Image19->isHidden());
    EXPECT_FALSE(view(w).imgHelperTips_Off->isHidden());  // stored Tips is 0
    EXPECT_FALSE(view(w).imgLogo->isHidden());
    EXPECT_TRUE(view(w).imgProgress1->isHidden() && view(w).imgProgress2->isHidden() &&
                view(w).imgProgress3->isHidden());
    EXPECT_FALSE(view(w).timerani.enabled());
    EXPECT_EQ(view(w).lblFinished->text(), "Finished Processing");
    EXPECT_FALSE(view(w).lblFinished->isHidden());
    EXPECT_EQ(view(w).lblFinished->y(), view(w).Picture2->y() + view(w).Picture2->height() - 2);
    EXPECT_TRUE(view(w).lblDestPath->isHidden());
    EXPECT_FALSE(view(w).lblPath->isHidden());
    // The run layout of the source pane stays until the picker is opened again.
    EXPECT_EQ(view(w).twips.height(view(w).List1), 840);
}

TEST_F(RunTest, UnreadableSecondPictureIsCountedAndSkipped) {
    FrmResize& w =
        loadWithQueue({picture("photo.bmp"), unreadable("broken.jpg"), picture("last.bmp")});
    watchTicks(w);
    w.Image2_Click();
    platform.loop.advance(900);
    platform.loop.advance(900);  // the second picture: its error shows for two seconds
    EXPECT_FALSE(view(w).ImgError->isHidden());
    EXPECT_EQ(view(w).lblSourceFile->text(), "Error Loading Picture");
    runToEnd(w);

    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(w.windowTitle(), kFinished + "3 -- Process Errors: 1");
    EXPECT_TRUE(QFileInfo::exists(thumb("photo_th.jpg")));
    EXPECT_FALSE(QFileInfo::exists(thumb("broken_th.jpg")));
    EXPECT_TRUE(QFileInfo::exists(thumb("last_th.jpg")));
}

TEST_F(RunTest, QueueOfOneFinishesInItsOnlyTick) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    watchTicks(w);
    w.Image2_Click();
    platform.loop.advance(900);

    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(w.windowTitle(), kFinished + "1");
    EXPECT_EQ(QImage(thumb("photo_th.jpg")).size(), QSize(110, 130));
    EXPECT_FALSE(view(w).timerProcess.enabled());
}

// The first run tick of a session shows a picture taller than the source preview's design
// area, yet small enough for its own size: the rows below the design area must be the
// picture's, not the background.
void expectWholePictureShown(const FrmResize& w, const QString& source) {
    ASSERT_FALSE(view(w).PictureVis->isHidden());
    EXPECT_TRUE(view(w).Image1->isHidden());
    const QImage picture = engine::loadPicture(source).convertToFormat(QImage::Format_RGB32);
    const QImage& shown = view(w).PictureVis->drawing();
    ASSERT_EQ(shown.size(), picture.size());
    const int below = 180;  // the design area is 183 pixels high
    EXPECT_EQ(shown.copy(0, below, shown.width(), shown.height() - below),
              picture.copy(0, below, picture.width(), picture.height() - below));
    EXPECT_EQ(shown, picture);
}

TEST_F(RunTest, FirstNaturalSizePreviewAfterAListClickShowsTheWholePicture) {
    const QString tall = picture("tall.bmp", 200, 220);
    FrmResize& w = loadWithQueue({tall, picture("next.bmp")});
    view(w).List1->setCurrentRow(0);
    w.List1_Click();
    w.Image2_Click();
    platform.loop.advance(900);
    expectWholePictureShown(w, tall);
}

TEST_F(RunTest, FirstNaturalSizePreviewBeforeAnyThumbnailShowsTheWholePicture) {
    const QString tall = picture("tall.bmp", 200, 210);
    FrmResize& w = loadWithQueue({tall, picture("next.bmp")});
    w.Image2_Click();
    platform.loop.advance(900);
    expectWholePictureShown(w, tall);
}

TEST_F(RunTest, LandscapePictureSwapsTheSizeForItsThumbnailOnly) {
    platform.store("Landscape", "1");
    platform.store("Type", "Bmp");
    const QString wide = picture("wide.bmp", 640, 480);
    const QString tall = picture("tall.bmp", 300, 400);
    FrmResize& w = loadWithQueue({wide, tall});
    w.Image2_Click();
    platform.loop.advance(900);
    EXPECT_EQ(view(w).txtwidth->text(), "110");
    EXPECT_EQ(view(w).txtHeight->text(), "130");
    runToEnd(w);

    EXPECT_EQ(engine::loadPicture(thumb("wide_th.bmp")), expectedThumbnail(wide, 130, 110));
    EXPECT_EQ(engine::loadPicture(thumb("tall_th.bmp")), expectedThumbnail(tall));
    EXPECT_EQ(view(w).txtwidth->text(), "110");
    EXPECT_EQ(view(w).txtHeight->text(), "130");
    EXPECT_EQ(view(w).indLandscape, 0);
}

TEST_F(RunTest, QualityIsNormalisedAtTheStart) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    const struct {
        const char* typed;
        const char* used;
    } cases[] = {{"050", "100"}, {"250", "100"}, {"75", "75"}, {"", "100"}, {"0", "100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        QFile::remove(thumb("photo_th.jpg"));
        view(w).txtQuality->setText(c.typed);
        w.mnuProcess_Click();  // the menu does not read the quality box before the start
        EXPECT_EQ(view(w).txtQuality->text(), c.used);
        runToEnd(w);
        EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
        EXPECT_EQ(w.windowTitle(), kFinished + "1");
    }
}

TEST_F(RunTest, QualityOfTheJpegFollowsTheBox) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    view(w).txtQuality->setText("100");
    w.Image2_Click();
    runToEnd(w);
    const qint64 best = QFileInfo(thumb("photo_th.jpg")).size();
    view(w).txtQuality->setText("10");
    w.Image2_Click();
    runToEnd(w);
    EXPECT_LT(QFileInfo(thumb("photo_th.jpg")).size(), best);
}

TEST_F(RunTest, NumberModeCountsOnAcrossPicturesAndRuns) {
    platform.store("Name", "Number");
    platform.store("Numbers", "9");
    const QStringList sources{picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")};
    FrmResize& w = loadWithQueue(sources);
    w.Image2_Click();
    runToEnd(w);
    for (const char* name : {"photo_9.jpg", "next_10.jpg", "last_11.jpg"}) {
        EXPECT_TRUE(QFileInfo::exists(thumb(name))) << name;
    }
    EXPECT_EQ(view(w).txtIncrementer->text(), "11");
    EXPECT_EQ(view(w).txtLetters->text(), "11");
    EXPECT_EQ(platform.stored("Numbers"), "11");

    // A new run without changes starts again at the number shown.
    w.Image2_Click();
    runToEnd(w);
    EXPECT_TRUE(QFileInfo::exists(thumb("photo_11.jpg")));
    EXPECT_TRUE(QFileInfo::exists(thumb("last_13.jpg")));
}

TEST_F(RunTest, NumberModeInTheSourceFolderJoinsTheNumberToTheName) {
    platform.store("Name", "Number");
    platform.store("FileLocation", "1");
    const QString folder = platform.makeFolder("Pictures/trip");
    FrmResize& w = loadWithQueue({picture("photo.bmp", 400, 300, folder),
                                  picture("next.bmp", 400, 300, folder),
                                  picture("last.bmp", 400, 300, folder)});
    view(w).txtLetters->setText("9");
    w.Image2_Click();
    runToEnd(w);
    EXPECT_EQ(QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name),
              QStringList({"last11.jpg", "next10.jpg", "photo9.jpg"}));
    EXPECT_FALSE(QFileInfo::exists(destination));
}

TEST_F(RunTest, CancelDuringTheOutputPauseStillWritesThatPictureOnly) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")});
    w.Image2_Click();
    // The first tick makes its bitmap, then waits 200 ms before the conversion: only the
    // finished JPEG ever takes the name.
    platform.loop.after(1000, [&] {
        EXPECT_FALSE(QFileInfo::exists(thumb("photo_th.jpg")));
        click(view(w).cmdProcess);
    });
    platform.loop.advance(900);
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
    platform.loop.advance(10000);

    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(w.windowTitle(), "Corvel XP");
    EXPECT_EQ(view(w).lblFinished->text(), "Operation Canceled");
    EXPECT_EQ(view(w).indCanceled, 1);
    EXPECT_FALSE(QFileInfo::exists(thumb("next_th.jpg")));
    EXPECT_FALSE(QFileInfo::exists(thumb("last_th.jpg")));
    EXPECT_FALSE(view(w).timerani.enabled());
    EXPECT_FALSE(view(w).imgLogo->isHidden());
    EXPECT_EQ(view(w).mnuProcess->text(), "&Start Processing");
    EXPECT_TRUE(view(w).List1->isEnabled());
}

TEST_F(RunTest, MenuCommandCancelsARunningRun) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")});
    w.Image2_Click();
    platform.loop.advance(1200);
    ASSERT_TRUE(view(w).imgLogo->isHidden());  // the animation runs in its place
    view(w).mnuProcess->trigger();
    // The animation stops with the run: no progress picture is left standing by the logo.
    EXPECT_FALSE(view(w).imgLogo->isHidden());
    for (const ui::Image* step :
         {view(w).imgProgress1, view(w).imgProgress2, view(w).imgProgress3}) {
        EXPECT_TRUE(step->isHidden());
    }
    platform.loop.advance(5000);
    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(view(w).lblFinished->text(), "Operation Canceled");
    EXPECT_TRUE(QFileInfo::exists(thumb("photo_th.jpg")));
    EXPECT_FALSE(QFileInfo::exists(thumb("next_th.jpg")));
}

TEST_F(RunTest, ToolbarStartDuringARunOnlyBeeps) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    w.Image2_Click();
    w.Image2_Click();
    EXPECT_EQ(platform.dialogs.beeps, 1);
    EXPECT_TRUE(view(w).run.isActive());
    EXPECT_TRUE(platform.dialogs.shown.empty());
    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "2");
}

TEST_F(RunTest, ToolbarStartClosesTheOpenChooserFirst) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    w.cmdBrowse_Click();
    ASSERT_FALSE(view(w).frameBrowse->isHidden());
    ASSERT_FALSE(view(w).cmdProcess->isEnabled());
    w.Image2_Click();
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_TRUE(view(w).run.isActive());
    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "1");
}

TEST_F(RunTest, EntriesRemovedDuringARunEndItWhenNoneIsLeft) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")});
    w.Image2_Click();
    platform.loop.advance(900);
    for (const int row : {2, 1}) {
        std::unique_ptr<QListWidgetItem> removed(view(w).List1->takeItem(row));
    }
    runToEnd(w, 5000);
    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(w.windowTitle(), kFinished + "1");
    EXPECT_EQ(QDir(destination).entryList(QDir::Files), QStringList{"photo_th.jpg"});
}

// ---- the overwrite prompt -------------------------------------------------------------------

class OverwritePrompt : public RunTest {
  protected:
    void SetUp() override {
        RunTest::SetUp();
        platform.store("Overwrite", "1");
        QDir().mkpath(destination);
    }
    // Sources with a thumbnail of their name already in the save-to folder.
    QStringList existing(int count) {
        QStringList sources;
        for (int i = 0; i < count; ++i) {
            sources << picture(QStringLiteral("p%1.bmp").arg(i));
            QFile old(thumb(QStringLiteral("p%1_th.jpg").arg(i)));
            EXPECT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        return sources;
    }
};

TEST_F(OverwritePrompt, ThirdNoBringsTheAdviceAndYesCancels) {
    FrmResize& w = loadWithQueue(existing(4));
    for (int i = 0; i < 3; ++i) {
        platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    }
    platform.dialogs.answer(Answer::Yes, "Confirm Cancel Processing");
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(platform.dialogs.titles(),
              QStringList({"Confirm Overwrite", "Confirm Overwrite", "Confirm Overwrite",
                           "Confirm Cancel Processing"}));
    EXPECT_EQ(view(w).lblFinished->text(), "Operation Canceled");
    EXPECT_EQ(w.windowTitle(), "Corvel XP");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(head(thumb(QStringLiteral("p%1_th.jpg").arg(i))), "old") << i;
    }
    EXPECT_EQ(view(w).varPromptCount, 0);
}

TEST_F(OverwritePrompt, AdviceNoGoesOnAndTheCountSpansRuns) {
    FrmResize& w = loadWithQueue(existing(2));
    platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    w.Image2_Click();
    runToEnd(w);
    EXPECT_EQ(platform.dialogs.countTitled("Confirm Cancel Processing"), 0);
    EXPECT_EQ(view(w).varPromptCount, 2);

    platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    platform.dialogs.answer(Answer::No, "Confirm Cancel Processing");
    platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    w.Image2_Click();
    runToEnd(w);
    EXPECT_EQ(platform.dialogs.countTitled("Confirm Cancel Processing"), 1);
    EXPECT_EQ(w.windowTitle(), kFinished + "2");
}

TEST_F(OverwritePrompt, NoAdviceWhenTheStoredOptionIsOff) {
    FrmResize& w = loadWithQueue(existing(3));
    platform.store("Overwrite", "0");  // the box still asks, the store says otherwise
    for (int i = 0; i < 3; ++i) {
        platform.dialogs.answer(Answer::No, "Confirm Overwrite");
    }
    w.Image2_Click();
    runToEnd(w);
    EXPECT_EQ(platform.dialogs.countTitled("Confirm Cancel Processing"), 0);
    EXPECT_EQ(w.windowTitle(), kFinished + "3");
}

TEST_F(OverwritePrompt, YesReplacesTheFileAfterTwoSeconds) {
    FrmResize& w = loadWithQueue(existing(1));
    platform.dialogs.reply({Answer::Yes, {}, "Confirm Overwrite", 0, [&] {
                                // While the converter waits the old file is still there.
                                platform.loop.after(1900, [&] {
                                    QFile old(thumb("p0_th.jpg"));
                                    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
                                    EXPECT_EQ(old.readAll(), "old");
                                });
                            }});
    w.Image2_Click();
    runToEnd(w);
    EXPECT_TRUE(isJpeg(thumb("p0_th.jpg")));
    EXPECT_EQ(QImage(thumb("p0_th.jpg")).size(), QSize(110, 130));
    EXPECT_EQ(platform.loop.pendingActions(), 0);
}

TEST_F(OverwritePrompt, NewFilesAreWrittenWithoutAQuestion) {
    FrmResize& w = loadWithQueue({picture("fresh.bmp")});
    w.Image2_Click();
    runToEnd(w);
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(isJpeg(thumb("fresh_th.jpg")));
}

TEST_F(RunTest, WithoutThePromptAnExistingThumbnailIsReplaced) {
    QDir().mkpath(destination);
    QFile old(thumb("photo_th.jpg"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    w.Image2_Click();
    runToEnd(w);
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
}

// ---- single-picture mode, start checks ----------------------------------------------------------

TEST_F(RunTest, SinglePictureNamedByTheSourceBoxes) {
    picture("photo.bmp");
    FrmResize& w = load();
    view(w).txtSourcePath->setText(platform.pictures());  // no trailing separator: added
    view(w).txtSourceFile->setText("photo.bmp");
    watchTicks(w);
    pressKey(view(w).txtSourceFile, Qt::Key_Return, "\r");
    EXPECT_TRUE(view(w).txtSourceFile->isReadOnly());
    runToEnd(w);

    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(captions, QStringList{kFinished + "1"});
    EXPECT_EQ(QImage(thumb("photo_th.jpg")).size(), QSize(110, 130));
    EXPECT_EQ(view(w).txtSourcePath->text(), platform.pictures() + "/");
    EXPECT_FALSE(view(w).txtSourceFile->isReadOnly());
    EXPECT_FALSE(view(w).mnuProcess->isEnabled());  // the queue is empty
}

TEST_F(RunTest, SinglePictureThatCannotBeLoadedHaltsUntilCancelled) {
    unreadable("broken.jpg");
    FrmResize& w = load();
    view(w).txtSourcePath->setText(platform.pictures() + "/");
    view(w).txtSourceFile->setText("broken.jpg");
    w.cmdProcess_Click();
    platform.loop.advance(5000);
    EXPECT_TRUE(view(w).run.isActive());
    EXPECT_FALSE(view(w).timerProcess.enabled());
    EXPECT_FALSE(view(w).mnuProcess->isEnabled());
    EXPECT_EQ(view(w).lblSourceFile->text(), "Error Loading Picture");
    w.cmdProcess_Click();
    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(w.windowTitle(), "Corvel XP");
}

TEST_F(RunTest, NothingToProcessAsksForPictures) {
    FrmResize& w = load();
    view(w).txtSourceFile->setText(" ");
    w.Image2_Click();
    EXPECT_EQ(platform.dialogs.titles(), QStringList{"Process Error 203"});
    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(view(w).indCmdProcessClick, 0);
    ASSERT_NE(view(w).picker.window(), nullptr);
    EXPECT_TRUE(view(w).picker.window()->isVisible());
}

TEST_F(RunTest, EnterStartsOnlyWithAnEmptyQueueAndNamedPicture) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    view(w).txtSourcePath->setText(platform.pictures() + "/");
    view(w).txtSourceFile->setText("photo.bmp");
    pressKey(view(w).txtSourceFile, Qt::Key_Return, "\r");
    EXPECT_FALSE(view(w).run.isActive());  // the queue is not empty
    view(w).List1->clear();
    pressKey(view(w).txtSourceFile, Qt::Key_A, "a");
    EXPECT_FALSE(view(w).run.isActive());
    pressKey(view(w).txtSourceFile, Qt::Key_Return, "\r");
    EXPECT_TRUE(view(w).run.isActive());
    runToEnd(w);
}

TEST_F(RunTest, TooDeepASourcePathIsNotNamed) {
    // Separators in the path without its extension: 15 are allowed, 16 are not. The file
    // name adds one to its folder's.
    const auto folderWith = [this](int separators) {
        QString folder = platform.pictures();
        for (int level = 0; folder.count('/') < separators; ++level) {
            folder += QStringLiteral("/d%1").arg(level);
        }
        QDir().mkpath(folder);
        return folder;
    };
    ASSERT_LE(platform.pictures().count('/'), 13);
    const QString fine = picture("fine.bmp", 40, 30, folderWith(14));
    const QString deep = picture("deep.bmp", 40, 30, folderWith(15));
    FrmResize& w = loadWithQueue({fine, deep});
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(platform.dialogs.titles(), QStringList{"Path Length Error"});
    EXPECT_EQ(platform.dialogs.shown.front().icon, platform::Icon::Critical);
    EXPECT_TRUE(QFileInfo::exists(thumb("fine_th.jpg")));
    EXPECT_FALSE(QFileInfo::exists(thumb("deep_th.jpg")));
    EXPECT_EQ(w.windowTitle(), kFinished + "2 -- Process Errors: 1");
}

// ---- animations -------------------------------------------------------------------------------

TEST_F(RunTest, ProgressPicturesTakeTurnsEvery300Ms) {
    FrmResize& w = loadWithQueue({picture("a.bmp"), picture("b.bmp"), picture("c.bmp")});
    w.Image2_Click();
    platform.loop.advance(900);  // the first tick starts the animation and waits 200 ms
    const auto shown = [&w] {
        QString which;
        for (ui::Image* step : {view(w).imgProgress1, view(w).imgProgress2, view(w).imgProgress3}) {
            which += step->isHidden() ? '-' : '#';
        }
        return which;
    };
    EXPECT_EQ(shown(), "#--");
    platform.loop.advance(300);
    EXPECT_EQ(shown(), "-#-");
    platform.loop.advance(300);
    EXPECT_EQ(shown(), "--#");
    runToEnd(w);
    EXPECT_EQ(shown(), "---");
}

TEST_F(RunTest, FinishLabelBlinksForSevenSeconds) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    w.Image2_Click();
    platform.loop.advance(900);
    ASSERT_FALSE(view(w).run.isActive());
    ASSERT_FALSE(view(w).lblFinished->isHidden());
    // The finish came 200 ms after the tick began; the blink counts from the finish.
    platform.loop.advance(100);
    QString seen;
    for (int second = 1; second <= 8; ++second) {
        platform.loop.advance(1000);
        seen += view(w).lblFinished->isHidden() ? '-' : '#';
    }
    EXPECT_EQ(seen, "-#-#-#--");
    EXPECT_FALSE(view(w).timerLblFinished.enabled());
    EXPECT_EQ(view(w).varBlinkCount, 0);
}

}  // namespace
