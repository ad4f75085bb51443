// SPDX-License-Identifier: MIT
// The main window's ways into the help and web actions.
#include "launcher/addresses.h"
#include "launcher/frm_search.h"
#include "mainwindow/frm_resize.h"
#include "picker/frm_browse.h"
#include "picker/picker_host.h"
#include "support/frm_resize_test_view.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"
#include "ui/image.h"

#include <QAction>
#include <QFrame>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Kind = testing_support::RecordingShell::Kind;
using testing_support::click;

class MainWindowLauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main = std::make_unique<FrmResize>(platform.services());
        view(*main).varMyDocs = platform.documents() + QLatin1Char('/');
        view(*main).varMyPics = platform.pictures() + QLatin1Char('/');
        picker = &view(*main).picker;
        main->show();
    }
    void TearDown() override { platform.verifyAndReset(); }

    // Whether `image` shows at `ms` from now.
    void lookAt(ui::Image* image, quint32 ms, bool& shown) {
        platform.loop.after(ms, [image, &shown] { shown = image->isVisible(); });
    }
    void expectHelpPageOpened() {
        ASSERT_EQ(platform.shell.calls.size(), 1u);
        EXPECT_EQ(platform.shell.calls[0].kind, Kind::Document);
        EXPECT_EQ(platform.shell.calls[0].text, platform.programFolder() + "/Corvel.html");
    }

    testing_support::TestPlatform platform;
    std::unique_ptr<FrmResize> main;
    PickerHost* picker = nullptr;
};

TEST_F(MainWindowLauncherTest, HelpFromTheToolbarAndTheMenuShowsThePressedPictureFirst) {
    ui::Image* Image13 = view(*main).Image9->twin();
    for (const auto& open :
         {std::function<void()>([this] { click(view(*main).Image9); }),
          std::function<void()>([this] { view(*main).mnuViewHelp->trigger(); })}) {
        bool pressed = false;
        lookAt(Image13, 150, pressed);
        const quint32 start = platform.loop.tickCount();
        open();
        EXPECT_TRUE(pressed);
        EXPECT_FALSE(Image13->isVisible());
        EXPECT_GE(platform.loop.tickCount() - start, 300u);
        expectHelpPageOpened();
        platform.verifyAndReset();
    }
}

TEST_F(MainWindowLauncherTest, HelpFromThePickerShowsBothPressedPictures) {
    main->cmdBrowse2_Click();
    platform.loop.advance(50);
    FrmBrowse* browse = picker->window();
    ASSERT_NE(browse, nullptr);
    bool pickerPressed = false;
    bool mainPressed = false;
    bool mainPressedEarly = true;
    lookAt(browse->Image9->twin(), 150, pickerPressed);
    lookAt(view(*main).Image9->twin(), 150, mainPressedEarly);
    lookAt(view(*main).Image9->twin(), 450, mainPressed);
    click(browse->Image9);
    EXPECT_TRUE(pickerPressed);
    EXPECT_FALSE(mainPressedEarly);
    EXPECT_TRUE(mainPressed) << "the main toolbar's help image shows its pressed picture too";
    expectHelpPageOpened();
}

TEST_F(MainWindowLauncherTest, HelpOnlineAndTheLogoOpenTheirPages) {
    view(*main).mnuOnline->trigger();
    view(*main).frameani->show();  // the logo shows during a run
    click(view(*main).imgLogo);
    ASSERT_EQ(platform.shell.calls.size(), 2u);
    EXPECT_EQ(platform.shell.calls[0].text, "/usr/bin/xdg-open " + launcher::kSisterHowTo);
    EXPECT_EQ(platform.shell.calls[1].text, "/usr/bin/xdg-open " + launcher::kMakerHomePage);
}

TEST_F(MainWindowLauncherTest, TheSearchWindowBelongsToTheMainWindow) {
    platform.volumes.volumes = {{platform.makeFolder("drive"), "drive"}};
    main->setEnabled(false);
    ASSERT_TRUE(view(*main).web.startSearch());
    FrmSearch* searching = view(*main).web.searchWindow();
    ASSERT_NE(searching, nullptr);
    EXPECT_EQ(searching->parent(), nullptr) << "a top-level, not a child the main window disables";
    platform.loop.advance(1000);
    EXPECT_TRUE(main->isEnabled()) << "the finishing step enables the main window";
}

}  // namespace
