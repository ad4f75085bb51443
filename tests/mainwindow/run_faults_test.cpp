// SPDX-License-Identifier: MIT
// Faults of the run that were mended: each test shows the sound behaviour.
#include "run_fixture.h"
#include "support/frm_resize_test_view.h"

#include "engine/qt/picture_file_qt.h"
#include "platform/path_style_qt.h"
#include "ui/image.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <tuple>

using platform::Answer;
using testing_support::pressKey;

namespace {

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
    {"menu", false, [](FrmResize& w) { view(w).mnuProcess->trigger(); }},
    {"Enter in the source file box", true,
     [](FrmResize& w) { pressKey(view(w).txtSourceFile, Qt::Key_Return, "\r"); }},
};

}  // namespace

TEST_F(SameFolderRun, EveryWayIntoARunAsksTheSameWarning) {
    for (const Way& way : kWays) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            SCOPED_TRACE(std::string(way.name) + (answer == Answer::Yes ? ", Yes" : ", No"));
            const QString source = picture("photo.bmp");
            FrmResize& w = load();
            if (way.singlePicture) {
                view(w).txtSourcePath->setText(platform.pictures() + "/");
                view(w).txtSourceFile->setText("photo.bmp");
            } else {
                queue(w, {source});
            }
            platform.dialogs.answer(answer, kWarning);
            way.start(w);
            if (answer == Answer::No) {
                EXPECT_EQ(platform.dialogs.titles(), QStringList({kWarning, kChangeOptions}));
                EXPECT_FALSE(view(w).run.isActive());
                EXPECT_EQ(view(w).indCmdProcessClick, 0);
            } else {
                EXPECT_EQ(platform.dialogs.titles(), QStringList{kWarning});
                EXPECT_TRUE(view(w).run.isActive());
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
    view(w).chkOverwrite->setChecked(true);
    view(w).mnuProcess->trigger();
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
        platform::placeholderFolder(host),
        platform::placeholderFile(host),
        platform::placeholderFile(host) + platform::qSeparator(host),
        "Choose Path",
    };
    FrmResize& w = load();
    for (const bool single : {false, true}) {
        view(w).List1->clear();
        if (single) {
            view(w).txtSourcePath->setText(platform.pictures() + "/");
            view(w).txtSourceFile->setText("photo.bmp");
        } else {
            queue(w, {source});
        }
        for (const QString& text : refused) {
            SCOPED_TRACE((single ? "single picture, " : "queue, ") + text.toStdString());
            view(w).txtDestName->setText(text);
            w.Image2_Click();
            EXPECT_EQ(platform.dialogs.titles(), QStringList{"Enter Destination Path"});
            EXPECT_FALSE(view(w).run.isActive());
            EXPECT_EQ(view(w).indCmdProcessClick, 0);
            // With a queue the save-to chooser opens; the next start closes it first.
            EXPECT_EQ(view(w).frameBrowse->isHidden(), single);
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

    EXPECT_FALSE(view(w).run.isActive());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(w.windowTitle(), kFinished + "1 -- Process Errors: 1");
    EXPECT_EQ(view(w).lblFinished->text(), "Finished Processing");
    EXPECT_FALSE(view(w).timerProcess.enabled());
    EXPECT_FALSE(QFileInfo::exists(thumb("broken_th.jpg")));
}

TEST_F(RunTest, ThumbnailThatCannotBeWrittenIsAProcessError) {
    // A folder of the thumbnail's name stands where the file would go.
    ASSERT_TRUE(QDir().mkpath(thumb("next_th.jpg")));
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp"), picture("last.bmp")});
    w.Image2_Click();
    runToEnd(w);

    EXPECT_EQ(w.windowTitle(), kFinished + "3 -- Process Errors: 1");
    ASSERT_EQ(platform.dialogs.titles(), QStringList{"Thumbnails Not Written"});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "1 thumbnail could not be written to " + destination + ": It is a folder");
    EXPECT_TRUE(QFileInfo(thumb("photo_th.jpg")).isFile());
    EXPECT_TRUE(QFileInfo(thumb("next_th.jpg")).isDir());
    EXPECT_TRUE(QFileInfo(thumb("last_th.jpg")).isFile());
    EXPECT_EQ(view(w).indSaving, 0);
}

TEST_F(RunTest, EmptyQualityBecomes100SoTheJpegIsWritten) {
    FrmResize& w = loadWithQueue({picture("photo.bmp")});
    view(w).txtQuality->clear();
    w.Image2_Click();
    EXPECT_EQ(view(w).txtQuality->text(), "100");
    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "1");
    EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
}

// ---- closing during a tick's pause ------------------------------------------------------------

namespace {

// The pauses a run tick waits in, with events running.
enum class TickPause { AfterWrite, AfterConfirmedOverwrite, AfterLoadError };
// The ways of closing the window.
enum class Closing { TitleBar, ExitMenu, CancelThenTitleBar };

std::string describe(TickPause pause, Closing closing) {
    const char* pauses[] = {"AfterWrite", "AfterConfirmedOverwrite", "AfterLoadError"};
    const char* closings[] = {"TitleBar", "ExitMenu", "CancelThenTitleBar"};
    return std::string(pauses[static_cast<int>(pause)]) + "_" + closings[static_cast<int>(closing)];
}

class CloseDuringATickPause : public RunTest,
                              public ::testing::WithParamInterface<std::tuple<TickPause, Closing>> {
};

TEST_P(CloseDuringATickPause, ThePictureIsFinishedThenTheOptionsAreStoredAndTheProgramEnds) {
    const auto [pause, closing] = GetParam();
    QStringList sources;
    if (pause == TickPause::AfterLoadError) {
        sources << unreadable("broken.jpg");
    }
    sources << picture("photo.bmp") << picture("next.bmp");
    if (pause == TickPause::AfterConfirmedOverwrite) {
        platform.store("Overwrite", "1");
        ASSERT_TRUE(QDir().mkpath(destination));
        testing_support::writeFile(thumb("photo_th.jpg"), "old");
        platform.dialogs.answer(Answer::Yes, "Confirm Overwrite");
    }
    FrmResize& w = loadWithQueue(sources);
    // An option that only the shutdown stores.
    view(w).txtwidth->selectAll();
    testing_support::typeKeys(view(w).txtwidth, "90");
    w.Image2_Click();

    // The first tick comes after 900 ms; each of its pauses lasts 200 ms or more.
    bool closed = false;
    platform.loop.after(900 + 100, [&] {
        ASSERT_TRUE(view(w).run.tickInProgress());
        if (pause == TickPause::AfterWrite) {
            // the bitmap waits in memory: only the converted JPEG takes the name
            ASSERT_FALSE(QFileInfo::exists(thumb("photo_th.jpg")));
        }
        switch (closing) {
            case Closing::CancelThenTitleBar:
                testing_support::click(view(w).cmdProcess);
                ASSERT_FALSE(view(w).run.isActive());
                [[fallthrough]];
            case Closing::TitleBar:
                w.close();
                break;
            case Closing::ExitMenu:
                view(w).mnuExit->trigger();
                break;
        }
        EXPECT_TRUE(w.isHidden());
        EXPECT_EQ(ends, 0);  // not before the picture in progress is done
        closed = true;
    });
    platform.loop.advance(5000);

    ASSERT_TRUE(closed);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(w.programEnded());
    EXPECT_FALSE(view(w).run.tickInProgress());
    EXPECT_EQ(platform.loop.activeTimers(), 0);
    EXPECT_EQ(platform.stored("Width"), "90");
    const QStringList written = QDir(destination).entryList(QDir::Files);
    if (pause == TickPause::AfterLoadError) {
        EXPECT_TRUE(written.isEmpty());
    } else {
        EXPECT_EQ(written, QStringList{"photo_th.jpg"});
        EXPECT_TRUE(isJpeg(thumb("photo_th.jpg")));
        EXPECT_EQ(engine::loadPicture(thumb("photo_th.jpg")).width(), 90);
    }
    // Nothing runs on: no later tick takes a picture, nothing is stored again.
    platform.store("Width", "1");
    platform.loop.advance(10000);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files), written);
    EXPECT_EQ(platform.stored("Width"), "1");
    EXPECT_EQ(ends, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, CloseDuringATickPause,
    ::testing::Combine(::testing::Values(TickPause::AfterWrite, TickPause::AfterConfirmedOverwrite,
                                         TickPause::AfterLoadError),
                       ::testing::Values(Closing::TitleBar, Closing::ExitMenu,
                                         Closing::CancelThenTitleBar)),
    [](const auto& info) { return describe(std::get<0>(info.param), std::get<1>(info.param)); });

TEST_F(RunTest, CloseBetweenTicksSavesAndEndsAtOnce) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    w.Image2_Click();
    platform.loop.advance(1500);  // the first picture is done, the second not begun
    ASSERT_FALSE(view(w).run.tickInProgress());
    w.close();
    EXPECT_EQ(ends, 1);
    platform.loop.advance(5000);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files), QStringList{"photo_th.jpg"});
}

// ---- what the run locks does nothing during it ------------------------------------------------

TEST_F(RunTest, SizeArrowsBetweenTicksWriteNothing) {
    platform.store("Name", "Number");
    platform.store("Numbers", "1");
    FrmResize& w = loadWithQueue(
        {picture("a.bmp", 400, 300), picture("b.bmp", 300, 400), picture("c.bmp", 500, 300)});
    view(w).List1->setCurrentRow(1);  // a list click: the size boxes now preview with b
    w.Image2_Click();
    platform.loop.advance(1500);  // a is written, b is not begun
    ASSERT_FALSE(view(w).run.tickInProgress());
    const QByteArray first = contents(thumb("a_1.jpg"));
    ASSERT_FALSE(first.isEmpty());

    for (ui::ImageButton* arrow :
         {view(w).btnUp, view(w).btnDown, view(w).btnUp2, view(w).btnDown2}) {
        EXPECT_FALSE(arrow->isEnabled());
        testing_support::click(arrow);
    }
    w.btnUp_Click();  // however it is reached
    w.btnDown2_Click();
    ASSERT_FALSE(view(w).run.tickInProgress());
    EXPECT_EQ(view(w).txtwidth->text(), "110");
    EXPECT_EQ(view(w).txtHeight->text(), "130");
    EXPECT_EQ(platform.dialogs.beeps, 0);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files), QStringList{"a_1.jpg"});

    runToEnd(w);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files, QDir::Name),
              QStringList({"a_1.jpg", "b_2.jpg", "c_3.jpg"}));
    EXPECT_EQ(contents(thumb("a_1.jpg")), first);
    // Each thumbnail is its own picture's: b's is not a preview of something else.
    const QImage b = engine::loadPicture(thumb("b_2.jpg"));
    EXPECT_EQ(b.size(), QSize(110, 130));

    // After the run the arrows work again.
    testing_support::click(view(w).btnUp);
    platform.loop.advance(300);
    EXPECT_EQ(view(w).txtwidth->text(), "111");
}

TEST_F(RunTest, TypeAndNamingMenusDoNothingDuringARunAndEveryCheckTellsTheTruth) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    w.Image2_Click();
    const auto checksMatch = [&w] {
        const std::pair<const QAction*, bool> entries[] = {
            {view(w).mnujpg, view(w).optJPG->isChecked()},
            {view(w).mnubmp, view(w).optBMP->isChecked()},
            {view(w).mnugif, view(w).optGIF->isChecked()},
            {view(w).mnuPrefix, view(w).chkPrefix->isChecked()},
            {view(w).mnuSuffix, view(w).chkSufix->isChecked()},
            {view(w).mnuNumber, view(w).chkNumber->isChecked()},
            {view(w).mnuOverwrite, view(w).chkOverwrite->isChecked()},
            {view(w).mnuSame, view(w).chkFileLocation->isChecked()},
            {view(w).mnuSamel2, view(w).chkFileLocation->isChecked()},
            {view(w).mnuLandscape, view(w).chkLandscape->isChecked()},
        };
        for (const auto& [entry, on] : entries) {
            EXPECT_EQ(entry->isChecked(), on) << entry->text().toStdString();
        }
    };
    for (QAction* refused :
         {view(w).mnuSame, view(w).mnuSamel2, view(w).mnuLandscape, view(w).mnubmp, view(w).mnugif,
          view(w).mnujpg, view(w).mnuPrefix, view(w).mnuSuffix, view(w).mnuNumber}) {
        SCOPED_TRACE(refused->text().toStdString());
        refused->trigger();
        checksMatch();
    }
    EXPECT_TRUE(view(w).optJPG->isChecked());
    EXPECT_TRUE(view(w).chkSufix->isChecked());
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_FALSE(view(w).chkLandscape->isChecked());
    // The prompt toggle is the one that works during a run.
    view(w).mnuOverwrite->trigger();
    EXPECT_TRUE(view(w).chkOverwrite->isChecked());
    checksMatch();

    runToEnd(w);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files, QDir::Name),
              QStringList({"next_th.jpg", "photo_th.jpg"}));
    view(w).mnuLandscape->trigger();
    EXPECT_TRUE(view(w).chkLandscape->isChecked());
    checksMatch();
}

TEST_F(RunTest, ChooserOkShowsTheSameFolderOptionOffInBothMenus) {
    FrmResize& w = load();
    w.cmdBrowse_Click();
    view(w).mnuSame->trigger();  // on, while the chooser is open
    ASSERT_TRUE(view(w).chkFileLocation->isChecked());
    ASSERT_TRUE(view(w).mnuSame->isChecked() && view(w).mnuSamel2->isChecked());
    testing_support::click(view(w).cmdOk);
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_FALSE(view(w).mnuSame->isChecked());
    EXPECT_FALSE(view(w).mnuSamel2->isChecked());
}

TEST_F(RunTest, TheChooserDoesNotOpenDuringARun) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    w.Image2_Click();
    view(w).mnuBrowse->trigger();
    testing_support::click(view(w).cmdBrowse);
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_FALSE(view(w).Frame4->isHidden());
    EXPECT_TRUE(view(w).cmdProcess->isEnabled());
    runToEnd(w);
    EXPECT_EQ(w.windowTitle(), kFinished + "2");
}

// ---- running numbers past 999 -------------------------------------------------------------------

TEST_F(RunTest, RunningNumbersGrowPastThreeDigits) {
    platform.store("Name", "Number");
    platform.store("Numbers", "998");
    QStringList sources;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        sources << picture(QString(name) + ".bmp");
    }
    FrmResize& w = loadWithQueue(sources);
    w.Image2_Click();
    runToEnd(w);
    EXPECT_EQ(QDir(destination).entryList(QDir::Files, QDir::Name),
              QStringList({"a_998.jpg", "b_999.jpg", "c_1000.jpg", "d_1001.jpg", "e_1002.jpg",
                           "f_1003.jpg"}));
    // The number last used, as after every run; a new run without changes starts from it.
    EXPECT_EQ(view(w).txtLetters->text(), "1003");
    EXPECT_EQ(view(w).txtIncrementer->text(), "1003");
    EXPECT_EQ(platform.stored("Numbers"), "1003");
    w.cmdExit_Click();
    EXPECT_EQ(platform.stored("Letters"), "1003");

    FrmResize& next = load();
    EXPECT_EQ(view(next).txtLetters->text(), "1003");
    // Three characters is what a user types.
    view(next).txtLetters->selectAll();
    testing_support::typeKeys(view(next).txtLetters, "12345");
    EXPECT_EQ(view(next).txtLetters->text(), "123");
}

}  // namespace
