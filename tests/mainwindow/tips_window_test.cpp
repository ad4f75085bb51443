// SPDX-License-Identifier: MIT
// The helper tips in the main window, through its controls, menus and pointer.
#include "frm_resize_fixture.h"

#include <QMenu>

namespace {

using testing_support::click;
using testing_support::movePointer;

// A user who has seen the new-user message and keeps the tips on.
class TipsWindowTest : public FrmResizeTest {
  protected:
    void SetUp() override {
        platform.store("PHT", "1");
        platform.store("Tips", "1");
    }

    static bool bubbleShown(const FrmResize& w) { return w.bubble && w.bubble->isVisible(); }
    static QString tip(qint16 step) { return FrmResizeTips::tipText(step); }
    // The bubble's top left corner on the screen, in twips.
    static QPoint placed(const FrmResize& w) {
        return {w.twips.left(w.bubble.get()), w.twips.top(w.bubble.get())};
    }

    // Where the bubble of `step` stands from the window's left and top edges, in twips.
    static QPoint offsets(FrmResize& w, qint16 step) {
        return w.tips.placement(step) -
               QPoint(w.frameGeometry().x() * 15, w.frameGeometry().y() * 15);
    }

    // Closes the bubble with its "X" and lets a second pass, so nothing is pending.
    void closeBubble(FrmResize& w) {
        click(w.bubble->Label2);
        platform.loop.advance(1000);
        ASSERT_FALSE(bubbleShown(w));
    }

    // A pointer that comes to rest over `area`: a diagonal step, then one along x.
    static void restOn(QWidget* area, QPoint at = {5, 9}) {
        movePointer(area, at);
        movePointer(area, at + QPoint(1, 0));
    }
};

TEST_F(TipsWindowTest, StartUpShowsStepOneOnceTheWindowIsUp) {
    bool shownWhileLoading = true;
    platform.loop.at(1000, [&] { shownWhileLoading = false; });  // inside the 2000 ms pause
    std::unique_ptr<FrmResize> window = create();
    FrmResize& w = *window;
    platform.loop.at(1500, [&] { shownWhileLoading = bubbleShown(w); });
    w.Form_Load();
    // Loading checked the naming box and the type button: their tip steps did nothing.
    EXPECT_FALSE(shownWhileLoading);
    ASSERT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(1));
    EXPECT_EQ(w.tips.indTipNumber(), 2);
    EXPECT_EQ(placed(w), w.tips.placement(1));
    platform.loop.advance(100);
    EXPECT_EQ(w.bubble->Label1->text(), tip(1).mid(1, 30));
}

TEST_F(TipsWindowTest, TheDesignOffsetsHoldBeforeAndAfterTheFirstRender) {
    FrmResize& w = load();
    const QPoint design[] = {{3098, 4830}, {6145, 6250}, {9065, 6200}, {5818, 5740},
                             {6548, 4830}, {9348, 4830}, {8598, 4830}};
    for (const bool rendered : {false, true}) {
        if (rendered) {
            w.txtwidth->setText("90");  // the size preview renders: the window works in pixels
            ASSERT_EQ(w.indFirstRun, 1);
        }
        for (qint16 step = 1; step <= 7; ++step) {
            SCOPED_TRACE(testing::Message() << "step " << step << (rendered ? " rendered" : ""));
            EXPECT_EQ(offsets(w, step), design[step - 1]);
        }
    }
}

TEST_F(TipsWindowTest, TheCompactLayoutPlacesByTheMovedControls) {
    platform.screen.width = 640;
    platform.screen.height = 480;
    FrmResize& w = load();
    EXPECT_EQ(offsets(w, 2), QPoint(6145, 6250));  // cmdProcess moved down, not across
    EXPECT_EQ(offsets(w, 4), QPoint(5818, 960 + 4900));
    EXPECT_EQ(offsets(w, 1), QPoint(3098, 4830));
}

TEST_F(TipsWindowTest, ClicksOnThePanelSetTheStepTheyStandFor) {
    FrmResize& w = load();
    const struct {
        const char* name;
        QWidget* control;
        qint16 shown;
    } clicks[] = {
        {"chkSufix", w.chkSufix, 4},
        {"chkNumber", w.chkNumber, 4},
        {"Frame3", w.Frame3, 4},
        {"frmLetters", w.frmLetters, 4},
        {"txtLetters", w.txtLetters, 4},
        {"optGIF", w.optGIF, 5},
        {"optBMP", w.optBMP, 5},
        {"Frame1", w.Frame1, 5},
        {"frameQuality", w.frameQuality, 5},
        {"btnUp", w.btnUp, 6},
        {"btnDown2", w.btnDown2, 6},
        {"txtwidth", w.txtwidth, 6},
        {"txtHeight", w.txtHeight, 6},
        {"Frame4", w.Frame4, 6},
        {"Image3", w.Image3, 7},
        {"Image6", w.Image6, 7},
        {"Frame10", w.Frame10, 7},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.name);
        closeBubble(w);
        click(c.control, {2, 2});
        EXPECT_TRUE(bubbleShown(w));
        EXPECT_EQ(w.tips.text(), tip(c.shown));
        EXPECT_EQ(placed(w), w.tips.placement(c.shown));
        EXPECT_EQ(w.tips.indTipNumber(), c.shown + 1);
    }
}

TEST_F(TipsWindowTest, RunsWithoutAStepChangeOnlyAtTheirStep) {
    FrmResize& w = load();
    // a key in the quality box at step 5
    closeBubble(w);
    w.tips.setIndTipNumber(5);
    testing_support::typeKeys(w.txtQuality, "9");
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(5));
    closeBubble(w);
    testing_support::typeKeys(w.txtQuality, "9");  // now at step 6
    EXPECT_FALSE(bubbleShown(w));

    // the same-folder toggle shows step 3, then sets step 7
    w.tips.setIndTipNumber(3);
    click(w.Image18);
    EXPECT_EQ(w.tips.text(), tip(7));
    EXPECT_EQ(w.tips.indTipNumber(), 8);

    // the chooser's OK at step 3
    click(w.cmdBrowse);
    ASSERT_FALSE(w.frameBrowse->isHidden());
    closeBubble(w);
    w.tips.setIndTipNumber(3);
    click(w.cmdOk);
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(3));
}

TEST_F(TipsWindowTest, AfterStepSevenAFurtherRunShowsItAgainInPlace) {
    FrmResize& w = load();
    click(w.Frame10, {2, 2});
    const QPoint place = placed(w);
    closeBubble(w);
    w.subRunTips();
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(7));
    EXPECT_EQ(placed(w), place);
}

TEST_F(TipsWindowTest, ARestingPointerShowsTheTipOfTheInnermostArea) {
    FrmResize& w = load();
    closeBubble(w);
    // Frame9 lies inside Frame4: its own row, step 7, not the size frame's
    restOn(w.Frame9);
    platform.loop.advance(999);
    EXPECT_FALSE(bubbleShown(w));
    platform.loop.advance(1);
    ASSERT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(7));
    EXPECT_EQ(placed(w), w.tips.placement(7));
    EXPECT_EQ(w.tips.indTipNumber(), 2);  // hovering is no step of the guide

    // while it shows, other areas change nothing
    restOn(w.txtwidth);
    platform.loop.advance(1000);
    EXPECT_EQ(w.tips.text(), tip(7));

    closeBubble(w);
    restOn(w.List1->viewport(), {30, 12});
    platform.loop.advance(1000);
    EXPECT_EQ(w.tips.text(), tip(1));
    closeBubble(w);
    restOn(w.Label2);
    platform.loop.advance(1000);
    EXPECT_EQ(w.tips.text(), tip(5));
}

TEST_F(TipsWindowTest, DiagonalPointerMovesNeverArm) {
    FrmResize& w = load();
    closeBubble(w);
    for (int i = 1; i < 30; ++i) {
        movePointer(w.txtwidth, {i, i % 2 == 0 ? 3 : 8});
        platform.loop.advance(100);
    }
    platform.loop.advance(2000);
    EXPECT_FALSE(bubbleShown(w));
}

TEST_F(TipsWindowTest, TheMenuSwitchesTipsOffAndOn) {
    FrmResize& w = load();
    ASSERT_TRUE(bubbleShown(w));
    w.mnuTips->trigger();
    EXPECT_FALSE(bubbleShown(w));
    EXPECT_EQ(w.tips.indTips(), 0);
    EXPECT_EQ(platform.stored("Tips"), "0");
    EXPECT_FALSE(w.mnuTips->isChecked());
    EXPECT_FALSE(w.imgHelperTips_Off->isHidden());
    EXPECT_FALSE(w.tips.timerRunning());

    // tips off: no click and no resting pointer shows the bubble
    click(w.btnUp);
    click(w.Frame10);
    restOn(w.Frame8);
    platform.loop.advance(3000);
    EXPECT_FALSE(bubbleShown(w));

    w.mnuTips->trigger();
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(w.tips.text(), tip(1));
    EXPECT_EQ(platform.stored("Tips"), "1");
    EXPECT_TRUE(w.mnuTips->isChecked());
    EXPECT_TRUE(w.imgHelperTips_Off->isHidden());
}

// Resting on the source frame, then switching tips off within the second: the armed tip
// used to come up with tips off.
TEST_F(TipsWindowTest, AnArmedTipDoesNotShowOnceTipsAreSwitchedOff) {
    FrmResize& w = load();
    closeBubble(w);
    restOn(w.Frame2);
    platform.loop.advance(200);
    click(w.imgHelperTips);  // its pressed look takes 300 ms
    EXPECT_EQ(w.tips.indTips(), 0);
    platform.loop.advance(2000);
    EXPECT_FALSE(bubbleShown(w));
}

TEST_F(TipsWindowTest, PickerAndProcessingCommandsHideTheBubble) {
    FrmResize& w = load();
    int pickers = 0;
    w.showPicker = [&] { ++pickers; };
    for (QWidget* command : std::initializer_list<QWidget*>{w.cmdBrowse2, w.Image19}) {
        w.subRunTips();
        ASSERT_TRUE(bubbleShown(w));
        restOn(w.Frame9);  // nothing pending survives the command either
        click(command);
        platform.loop.advance(1500);
        EXPECT_FALSE(bubbleShown(w));
    }
    EXPECT_EQ(pickers, 2);
}

}  // namespace
