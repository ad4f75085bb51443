// SPDX-License-Identifier: MIT
// The helper tips in the main window, through its controls, menus and pointer.
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

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

    static bool bubbleShown(FrmResize& w) { return view(w).bubble && view(w).bubble->isVisible(); }
    static QString tip(qint16 step) { return FrmResizeTips::tipText(step); }
    // The bubble's top left corner on the screen, in twips.
    static QPoint placed(FrmResize& w) {
        return {view(w).twips.left(view(w).bubble.get()), view(w).twips.top(view(w).bubble.get())};
    }

    // Where the bubble of `step` stands from the window's left and top edges, in twips.
    static QPoint offsets(FrmResize& w, qint16 step) {
        return view(w).tips.placement(step) -
               QPoint(w.frameGeometry().x() * 15, w.frameGeometry().y() * 15);
    }

    // Closes the bubble with its "X" and lets a second pass, so nothing is pending.
    void closeBubble(FrmResize& w) {
        click(view(w).bubble->Label2);
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
    EXPECT_EQ(view(w).tips.text(), tip(1));
    EXPECT_EQ(view(w).tips.indTipNumber(), 2);
    EXPECT_EQ(placed(w), view(w).tips.placement(1));
    platform.loop.advance(100);
    EXPECT_EQ(view(w).bubble->Label1->text(), tip(1).mid(1, 30));
}

TEST_F(TipsWindowTest, TheDesignOffsetsHoldBeforeAndAfterTheFirstRender) {
    FrmResize& w = load();
    const QPoint design[] = {{3098, 4830}, {6145, 6250}, {9065, 6200}, {5818, 5740},
                             {6548, 4830}, {9348, 4830}, {8598, 4830}};
    for (const bool rendered : {false, true}) {
        if (rendered) {
            view(w).txtwidth->setText(
                "90");  // the size preview renders: the window works in pixels
            ASSERT_EQ(view(w).indFirstRun, 1);
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
        {"chkSufix", view(w).chkSufix, 4},
        {"chkNumber", view(w).chkNumber, 4},
        {"Frame3", view(w).Frame3, 4},
        {"frmLetters", view(w).frmLetters, 4},
        {"txtLetters", view(w).txtLetters, 4},
        {"optGIF", view(w).optGIF, 5},
        {"optBMP", view(w).optBMP, 5},
        {"Frame1", view(w).Frame1, 5},
        {"frameQuality", view(w).frameQuality, 5},
        {"btnUp", view(w).btnUp, 6},
        {"btnDown2", view(w).btnDown2, 6},
        {"txtwidth", view(w).txtwidth, 6},
        {"txtHeight", view(w).txtHeight, 6},
        {"Frame4", view(w).Frame4, 6},
        {"Image3", view(w).Image3, 7},
        {"Image6", view(w).Image6, 7},
        {"Frame10", view(w).Frame10, 7},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.name);
        closeBubble(w);
        click(c.control, {2, 2});
        EXPECT_TRUE(bubbleShown(w));
        EXPECT_EQ(view(w).tips.text(), tip(c.shown));
        EXPECT_EQ(placed(w), view(w).tips.placement(c.shown));
        EXPECT_EQ(view(w).tips.indTipNumber(), c.shown + 1);
    }
}

TEST_F(TipsWindowTest, RunsWithoutAStepChangeOnlyAtTheirStep) {
    FrmResize& w = load();
    // a key in the quality box at step 5
    closeBubble(w);
    view(w).tips.setIndTipNumber(5);
    testing_support::typeKeys(view(w).txtQuality, "9");
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.text(), tip(5));
    closeBubble(w);
    testing_support::typeKeys(view(w).txtQuality, "9");  // now at step 6
    EXPECT_FALSE(bubbleShown(w));

    // the same-folder toggle shows step 3, then sets step 7
    view(w).tips.setIndTipNumber(3);
    click(view(w).Image18);
    EXPECT_EQ(view(w).tips.text(), tip(7));
    EXPECT_EQ(view(w).tips.indTipNumber(), 8);

    // the chooser's OK at step 3
    click(view(w).cmdBrowse);
    ASSERT_FALSE(view(w).frameBrowse->isHidden());
    closeBubble(w);
    view(w).tips.setIndTipNumber(3);
    click(view(w).cmdOk);
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.text(), tip(3));
}

TEST_F(TipsWindowTest, AfterStepSevenAFurtherRunShowsItAgainInPlace) {
    FrmResize& w = load();
    click(view(w).Frame10, {2, 2});
    const QPoint place = placed(w);
    closeBubble(w);
    w.subRunTips();
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.text(), tip(7));
    EXPECT_EQ(placed(w), place);
}

TEST_F(TipsWindowTest, ARestingPointerShowsTheTipOfTheInnermostArea) {
    FrmResize& w = load();
    closeBubble(w);
    // Frame9 lies inside Frame4: its own row, step 7, not the size frame's
    restOn(view(w).Frame9);
    platform.loop.advance(999);
    EXPECT_FALSE(bubbleShown(w));
    platform.loop.advance(1);
    ASSERT_TRUE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.text(), tip(7));
    EXPECT_EQ(placed(w), view(w).tips.placement(7));
    EXPECT_EQ(view(w).tips.indTipNumber(), 2);  // hovering is no step of the guide

    // while it shows, other areas change nothing
    restOn(view(w).txtwidth);
    platform.loop.advance(1000);
    EXPECT_EQ(view(w).tips.text(), tip(7));

    closeBubble(w);
    restOn(view(w).List1->viewport(), {30, 12});
    platform.loop.advance(1000);
    EXPECT_EQ(view(w).tips.text(), tip(1));
    closeBubble(w);
    restOn(view(w).Label2);
    platform.loop.advance(1000);
    EXPECT_EQ(view(w).tips.text(), tip(5));
}

TEST_F(TipsWindowTest, DiagonalPointerMovesNeverArm) {
    FrmResize& w = load();
    closeBubble(w);
    for (int i = 1; i < 30; ++i) {
        movePointer(view(w).txtwidth, {i, i % 2 == 0 ? 3 : 8});
        platform.loop.advance(100);
    }
    platform.loop.advance(2000);
    EXPECT_FALSE(bubbleShown(w));
}

TEST_F(TipsWindowTest, TheMenuSwitchesTipsOffAndOn) {
    FrmResize& w = load();
    ASSERT_TRUE(bubbleShown(w));
    view(w).mnuTips->trigger();
    EXPECT_FALSE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.indTips(), 0);
    EXPECT_EQ(platform.stored("Tips"), "0");
    EXPECT_FALSE(view(w).mnuTips->isChecked());
    EXPECT_FALSE(view(w).imgHelperTips_Off->isHidden());
    EXPECT_FALSE(view(w).tips.timerRunning());

    // tips off: no click and no resting pointer shows the bubble
    click(view(w).btnUp);
    click(view(w).Frame10);
    restOn(view(w).Frame8);
    platform.loop.advance(3000);
    EXPECT_FALSE(bubbleShown(w));

    view(w).mnuTips->trigger();
    EXPECT_TRUE(bubbleShown(w));
    EXPECT_EQ(view(w).tips.text(), tip(1));
    EXPECT_EQ(platform.stored("Tips"), "1");
    EXPECT_TRUE(view(w).mnuTips->isChecked());
    EXPECT_TRUE(view(w).imgHelperTips_Off->isHidden());
}

// Resting on the source frame, then switching tips off within the second: the armed tip
// used to come up with tips off.
TEST_F(TipsWindowTest, AnArmedTipDoesNotShowOnceTipsAreSwitchedOff) {
    FrmResize& w = load();
    closeBubble(w);
    restOn(view(w).Frame2);
    platform.loop.advance(200);
    click(view(w).imgHelperTips);  // its pressed look takes 300 ms
    EXPECT_EQ(view(w).tips.indTips(), 0);
    platform.loop.advance(2000);
    EXPECT_FALSE(bubbleShown(w));
}

TEST_F(TipsWindowTest, OpeningThePickerHidesTheBubbleAndDropsAPendingTip) {
    FrmResize& w = load();
    ASSERT_TRUE(bubbleShown(w));
    restOn(view(w).Frame9);
    click(view(w).cmdBrowse2);
    platform.loop.advance(1500);
    EXPECT_FALSE(bubbleShown(w));
}

}  // namespace
