// SPDX-License-Identifier: MIT
// How the thumbnail maker comes up: the splash program first, ten seconds with nothing of the
// program on screen, then the main window.
#include "startup/startup_sequence.h"
#include "picker/frm_browse.h"
#include "support/frm_resize_test_view.h"

#include "startup_fixture.h"

namespace {

class StartupSequenceTest : public StartupTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupSequenceTest, TheMainWindowComesTenSecondsAfterTheSplashStartWhetherItStartedOrNot) {
    const bool splashStarts = GetParam();
    platform.shell.scriptResults({splashStarts});
    startup::StartupSequence sequence(platform.services());
    sequence.Main();

    ASSERT_EQ(platform.shell.calls.size(), 1u);
    EXPECT_EQ(platform.shell.calls[0].kind, Kind::Command);
    EXPECT_EQ(platform.shell.calls[0].text, splashCommand());
    EXPECT_EQ(platform.shell.calls[0].style, platform::WindowStyle::MinimizedFocus);

    platform.loop.advance(startup::StartupSequence::kStartupDelayMs - 1);
    EXPECT_EQ(sequence.frmResize(), nullptr);
    EXPECT_EQ(visibleWindows(), 0);
    EXPECT_TRUE(sequence.waiting());

    platform.loop.advance(1);
    ASSERT_NE(sequence.frmResize(), nullptr);
    EXPECT_TRUE(sequence.frmResize()->isVisible());
    EXPECT_EQ(visibleWindows(), 1);
    EXPECT_FALSE(sequence.waiting());
    // The splash program is not started again, and nothing is reported about it.
    EXPECT_EQ(this->splashStarts(), 1);
    EXPECT_EQ(platform.dialogs.titles(), QStringList());
    EXPECT_EQ(platform.loop.activeTimers(), 0);

    // The loaded main window has its ways into the picker and the about window.
    EXPECT_TRUE(sequence.frmResize()->showAbout);
    sequence.frmResize()->cmdBrowse2_Click();
    ASSERT_NE(view(*sequence.frmResize()).picker.window(), nullptr);
    EXPECT_TRUE(view(*sequence.frmResize()).picker.window()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(SplashStart, StartupSequenceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Started" : "Missing"; });

}  // namespace
