// SPDX-License-Identifier: MIT
#include "mainwindow/frm_resize_tips.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A window to guide: its anchors are whatever the test sets, its bubble a record.
class FakeTipsHost : public TipsHost {
  public:
    QRect tipAnchorTwips(TipAnchor anchor) const override { return anchors.at(anchor); }
    QPoint tipWindowTwips() const override { return window; }
    bool tipWindowLoading() const override { return loading; }
    bool tipRunInProgress() const override { return running; }
    bool tipChooserOpen() const override { return chooserOpen; }
    void placeBubble(QPoint topLeft) override { place = topLeft; }
    void showBubble() override {
        visible = true;
        ++shows;
    }
    void hideBubble() override { visible = false; }
    bool bubbleVisible() const override { return visible; }

    std::map<TipAnchor, QRect> anchors{
        {TipAnchor::Frame9, {1000, 2000, 3000, 500}},    // centre 2500
        {TipAnchor::cmdProcess, {100, 200, 3251, 300}},  // centre 1725.5, rounds up
        {TipAnchor::Frame8, {300, 3000, 3400, 900}},
        {TipAnchor::Frame3, {5000, 600, 2000, 1000}},
        {TipAnchor::Frame1, {7000, 800, 1600, 700}},
    };
    QPoint window{150, 90};
    bool loading = false;
    bool running = false;
    bool chooserOpen = false;
    bool visible = false;
    int shows = 0;
    QPoint place{-1, -1};
};

class TipsTest : public ::testing::Test {
  protected:
    void SetUp() override { tips.setIndTips(1); }
    void TearDown() override { platform.verifyAndReset(); }

    // A pointer that rests: moves once diagonally, then one pixel along x.
    void restOn(qint16 step, QPoint at = {40, 50}) {
        tips.hover(step, at);
        tips.hover(step, at + QPoint(1, 0));
    }

    testing_support::TestPlatform platform;
    options::Settings settings{platform.settings};
    FakeTipsHost host;
    FrmResizeTips tips{host, platform.loop, settings};
};

TEST_F(TipsTest, PlacesEachStepFromItsAnchorsAndTheWindowEdges) {
    // left = window + anchor centre (+ shift) + offset; top = window + anchor top + depth
    const struct {
        qint16 step;
        QPoint at;
    } rows[] = {
        {1, {150 + 2500 - 450, 90 + 2000 + 4800}},
        {2, {150 + 1726 - 300 + 4700, 90 + 3000 + 4800}},
        {3, {150 + 6000 - 400 + 5100, 90 + 600 + 4750}},
        {4, {150 + 7800 - 1800 + 5000, 90 + 800 + 4900}},
        {5, {150 + 2500 + 3000, 90 + 2000 + 4800}},
        {6, {150 + 2500 + 5800, 90 + 2000 + 4800}},
        {7, {150 + 2500 + 5050, 90 + 2000 + 4800}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        EXPECT_EQ(tips.placement(row.step), row.at);
        tips.runStep(row.step);
        EXPECT_EQ(host.place, row.at);
        EXPECT_EQ(tips.text(), FrmResizeTips::tipText(row.step));
        EXPECT_TRUE(host.visible);
        EXPECT_EQ(tips.indTipNumber(), row.step + 1);
    }
}

TEST_F(TipsTest, TheTextsHaveSevenSpacesAfterTheirTitles) {
    for (qint16 step = 1; step <= FrmResizeTips::kSteps; ++step) {
        const QString text = FrmResizeTips::tipText(step);
        EXPECT_TRUE(text.contains(QStringLiteral("...       ")) &&
                    !text.contains(QStringLiteral("...        ")))
            << text.toStdString();
    }
    EXPECT_TRUE(FrmResizeTips::tipText(7).startsWith(QStringLiteral("START PROCESSING...")));
    EXPECT_TRUE(FrmResizeTips::tipText(8).isEmpty());
}

TEST_F(TipsTest, AfterTheLastStepAFurtherRunShowsItAgainInPlace) {
    tips.runStep(7);
    const QPoint place = host.place;
    host.visible = false;  // the user closed it with its "X"
    tips.subRunTips();
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(7));
    EXPECT_EQ(host.place, place);
    EXPECT_EQ(tips.indTipNumber(), 8);
}

TEST_F(TipsTest, WithTipsOffNothingShowsTheBubble) {
    tips.setIndTips(0);
    tips.runStep(3);
    tips.subRunTips();
    tips.runAtStep(0);
    restOn(5);
    platform.loop.advance(5000);
    EXPECT_EQ(host.shows, 0);
    EXPECT_FALSE(tips.timerRunning());
    EXPECT_EQ(tips.indTipNumber(), 0);
}

TEST_F(TipsTest, DiagonalMovesNeverArmAOneAxisMoveShowsOneSecondLater) {
    for (int i = 1; i <= 20; ++i) {
        tips.hover(5, {i * 3, i * 2});
    }
    platform.loop.advance(3000);
    EXPECT_EQ(host.shows, 0);

    tips.hover(5, {60, 77});  // down only: the last position was (60, 40)
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(5));
    EXPECT_EQ(host.place, tips.placement(5));
    EXPECT_FALSE(host.visible);
    platform.loop.advance(999);
    EXPECT_FALSE(host.visible);
    platform.loop.advance(1);
    EXPECT_TRUE(host.visible);
    EXPECT_FALSE(tips.timerRunning());  // one show per arming
    EXPECT_EQ(tips.indTipNumber(), 0);  // a hovered tip is no step of the guide
}

TEST_F(TipsTest, EachArmingMoveRestartsTheSecond) {
    restOn(4);
    platform.loop.advance(700);
    tips.hover(6, {40, 80});  // along y from the shared last position, (40, 50)
    platform.loop.advance(700);
    EXPECT_FALSE(host.visible);
    platform.loop.advance(300);
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(6));
}

TEST_F(TipsTest, WhileTheBubbleShowsHoveringElsewhereChangesNothing) {
    tips.runStep(2);
    const QPoint place = host.place;
    restOn(7);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(2));
    EXPECT_EQ(host.place, place);
}

TEST_F(TipsTest, TheSourceAreaHasNoTipWhileTheChooserCoversThePanel) {
    host.chooserOpen = true;
    restOn(1);
    platform.loop.advance(2000);
    EXPECT_EQ(host.shows, 0);
    restOn(2);  // the other areas still have theirs
    platform.loop.advance(1000);
    EXPECT_EQ(host.shows, 1);
}

TEST_F(TipsTest, RunsAtAStepOnlyWhenTheGuideStandsThere) {
    tips.setIndTipNumber(3);
    tips.runAtStep(5);
    EXPECT_EQ(host.shows, 0);
    tips.runAtStep(3);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(3));
    EXPECT_EQ(tips.indTipNumber(), 4);
}

TEST_F(TipsTest, SwitchingOnShowsStepOneAndStoresIt) {
    tips.setIndTips(0);
    tips.setIndTipNumber(6);
    tips.switchOn();
    EXPECT_EQ(tips.indTips(), 1);
    EXPECT_EQ(platform.stored("Tips"), "1");
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(1));
    EXPECT_EQ(tips.indTipNumber(), 2);
}

// Once tips are off, a tip armed just before never shows: switching off stops the timer, and
// the tick itself looks at the switch.
TEST_F(TipsTest, SwitchingOffHidesTheBubbleAndDropsAnArmedTip) {
    restOn(1);
    platform.loop.advance(400);
    tips.switchOff();
    EXPECT_EQ(platform.stored("Tips"), "0");
    EXPECT_FALSE(tips.timerRunning());
    platform.loop.advance(2000);
    EXPECT_EQ(host.shows, 0);

    tips.switchOn();
    ASSERT_TRUE(host.visible);
    tips.switchOff();
    EXPECT_FALSE(host.visible);
    platform.loop.advance(2000);
    EXPECT_FALSE(host.visible);
}

TEST_F(TipsTest, TheTickShowsNothingWithTipsOffOrDuringARun) {
    restOn(3);
    tips.setIndTips(0);  // a run keeps the switch aside and turns tips off meanwhile
    platform.loop.advance(1000);
    EXPECT_EQ(host.shows, 0);

    tips.setIndTips(1);
    restOn(3, {200, 10});
    host.running = true;
    platform.loop.advance(1000);
    EXPECT_EQ(host.shows, 0);
}

TEST_F(TipsTest, HidingTheBubbleDropsAHoveredTipAboutToShow) {
    restOn(2);
    tips.subHideTipBubble();  // the picker opens over the window
    platform.loop.advance(2000);
    EXPECT_EQ(host.shows, 0);
}

// Loading the options sets the naming boxes and type buttons, whose handlers are steps of
// the guide: the window must not come up with the step 5 tip in front of it.
TEST_F(TipsTest, StepsDoNothingWhileTheWindowLoads) {
    host.loading = true;
    tips.setIndTipNumber(0);
    tips.runStep(4);
    tips.runStep(5);
    tips.subRunTips();
    platform.loop.advance(2000);
    EXPECT_EQ(host.shows, 0);
    EXPECT_EQ(tips.indTipNumber(), 0);
    EXPECT_TRUE(tips.text().isEmpty());

    host.loading = false;
    tips.runStep(1);
    EXPECT_EQ(tips.text(), FrmResizeTips::tipText(1));
}

}  // namespace
