// SPDX-License-Identifier: MIT
// The about window: opened from the main window's information image and "Program &Info", and
// closed by OK, by the desktop or by Escape.
#include "startup/about_window.h"
#include "support/frm_resize_test_view.h"

#include "launcher/addresses.h"
#include "launcher/launcher.h"
#include "picker/picker_host.h"
#include "startup/frm_splash.h"
#include "startup_fixture.h"
#include "support/widget_input.h"
#include "theme/visual_theme.h"
#include "ui/image.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

using about::FrmSplash;
using testing_support::click;
using testing_support::pressKey;

// A main window loaded as the start-up sequence loads it.
class AboutWindowTest : public StartupTest {
  protected:
    void SetUp() override {
        StartupTest::SetUp();
        main = std::make_unique<FrmResize>(platform.services());
        main->onEndProgram = [] {};
        host = about::installAbout(*main);
        main->Form_Load();
        platform.verifyAndReset();
    }

    FrmSplash* about() const { return host->window(); }
    // Opens the about window from the image, as the user clicks it.
    FrmSplash* open() {
        click(view(*main).Image8);
        return about();
    }
    // The main window and the about window after a way out of it.
    void expectClosed() {
        EXPECT_EQ(about(), nullptr);
        EXPECT_TRUE(main->isEnabled());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->indAbout, 0);
    }

    std::unique_ptr<FrmResize> main;
    about::AboutWindow* host = nullptr;
};

TEST_F(AboutWindowTest, OpensAfterThePressedLookAndHoldsTheMainWindow) {
    ui::Image* Image14 = view(*main).Image8->twin();
    bool pressed = false;
    bool openDuringPress = true;
    platform.loop.after(150, [&] {
        pressed = Image14->isVisible();
        openDuringPress = about() != nullptr && about()->isVisible();
    });
    const quint32 start = platform.loop.tickCount();
    FrmSplash* window = open();

    EXPECT_TRUE(pressed);
    EXPECT_FALSE(openDuringPress);
    EXPECT_FALSE(Image14->isVisible());
    EXPECT_GE(platform.loop.tickCount() - start, 600u);  // the pressed look, then the load
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(main->indAbout, 1);
    EXPECT_FALSE(main->isEnabled());
    // A top-level of its own, so the disabled main window leaves its buttons alive.
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->cmdOk->isEnabled());
    EXPECT_TRUE(window->buttonPanel->isVisible());
    EXPECT_TRUE(window->Text1->isVisible());
    EXPECT_TRUE(window->lblPlatform2->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    // Its buttons light up under the mouse when the desktop style is a themed one.
    EXPECT_EQ(window->cmdOk->testAttribute(Qt::WA_Hover), theme::isThemed(*window->style()));
    EXPECT_EQ(platform.shell.calls.size(), 0u);  // the splash program plays on OK only
}

TEST_F(AboutWindowTest, EachOkStartsTheSplashProgramOnceAndGivesTheMainWindowBack) {
    const std::function<void()> openers[] = {[this] { click(view(*main).Image8); },
                                             [this] { view(*main).mnuInfo->trigger(); }};
    int opened = 0;
    for (const auto& openIt : openers) {
        openIt();
        ASSERT_NE(about(), nullptr);
        EXPECT_EQ(splashStarts(), opened);
        click(about()->cmdOk);
        ++opened;
        expectClosed();
        EXPECT_EQ(splashStarts(), opened);
    }
    EXPECT_EQ(platform.shell.calls.size(), 2u);
}

TEST_F(AboutWindowTest, TheMainWindowTakesNoInputWhileItIsOpen) {
    FrmSplash* window = open();
    ASSERT_NE(window, nullptr);
    ui::Image* Image14 = view(*main).Image8->twin();
    bool pressed = false;
    platform.loop.after(150, [&] { pressed = Image14->isVisible(); });
    const quint32 start = platform.loop.tickCount();

    click(view(*main).Image8);
    view(*main).mnuInfo->trigger();
    click(view(*main).Image19);  // the picker's way in
    platform.loop.advance(300);

    EXPECT_FALSE(pressed);
    EXPECT_EQ(platform.loop.tickCount() - start, 300u);  // no pressed look, no second load
    EXPECT_EQ(about(), window);
    EXPECT_FALSE(main->menuBar()->isEnabled());
    EXPECT_EQ(platform.shell.calls.size(), 0u);

    click(window->cmdOk);
    expectClosed();
    // Input reaches the main window again: its menu entry opens the about window anew.
    view(*main).mnuInfo->trigger();
    ASSERT_NE(about(), nullptr);
    EXPECT_NE(about(), window);
    EXPECT_TRUE(about()->isVisible());
    EXPECT_FALSE(main->isEnabled());
}

TEST_F(AboutWindowTest, ADesktopCloseAndEscapeLeaveAsOkDoes) {
    const std::pair<const char*, std::function<void(FrmSplash*)>> closers[] = {
        {"desktop close", [](FrmSplash* w) { w->close(); }},
        {"Escape on OK", [](FrmSplash* w) { pressKey(w->cmdOk, Qt::Key_Escape); }},
        {"Escape on the window", [](FrmSplash* w) { pressKey(w, Qt::Key_Escape); }},
    };
    int starts = 0;
    for (const auto& [name, closeIt] : closers) {
        SCOPED_TRACE(name);
        FrmSplash* window = open();
        ASSERT_NE(window, nullptr);
        closeIt(window);
        expectClosed();
        EXPECT_EQ(splashStarts(), ++starts);
    }
}

TEST_F(AboutWindowTest, ThePlatformLabelCyclesItsColourEveryHalfSecond) {
    FrmSplash* window = open();
    ASSERT_NE(window, nullptr);
    const auto colour = [window] {
        return window->lblPlatform2->palette().color(QPalette::WindowText);
    };
    const QColor expected[] = {QColor(0, 0, 0),     QColor(0, 128, 0), QColor(255, 128, 0),
                               QColor(192, 0, 192), QColor(0, 0, 0),   QColor(0, 128, 0)};
    for (const QColor& step : expected) {
        EXPECT_EQ(colour(), step);
        platform.loop.advance(499);
        EXPECT_EQ(colour(), step);
        platform.loop.advance(1);
    }
    click(window->cmdOk);
    EXPECT_EQ(platform.loop.activeTimers(), 0);
}

TEST(PlatformColour, AColourOutsideTheCycleStays) {
    for (const QColor& other : {QColor(255, 0, 0), QColor(0, 128, 1), QColor(255, 255, 255)}) {
        EXPECT_EQ(about::nextPlatformColour(other), other);
    }
}

TEST_F(AboutWindowTest, LaysOutTheTitlePanelCentredWithTheLogoFitted) {
    FrmSplash* window = open();
    ASSERT_NE(window, nullptr);
    const ui::Twips& t = window->twips;
    EXPECT_EQ(window->size(), QSize(7380 / 15, 4470 / 15));
    // Centred in whole twips on the 1024 x 768 screen.
    EXPECT_EQ(window->pos(), QPoint((7680 - 3690) / 15, (5760 - 2235) / 15));
    EXPECT_EQ(t.left(window->picLogo), 240);
    EXPECT_EQ(t.top(window->picLogo), t.top(window->lblCompanyProduct));
    EXPECT_EQ(t.left(window->picLogo) + t.width(window->picLogo),
              t.left(window->lblCompanyProduct) - 105);
    EXPECT_EQ(t.top(window->Label1), t.top(window->picLogo) + t.height(window->picLogo) + 15);
    EXPECT_EQ(window->lblPlatform2->text(), QStringLiteral("For Linux desktops"));
    EXPECT_FALSE(window->lblPlatform2->toolTip().contains(QStringLiteral("Windows")));
    // The notice lies over both address labels.
    const QRect notice = window->Text1->geometry();
    EXPECT_TRUE(notice.intersects(window->lblPlatform->geometry()));
    EXPECT_TRUE(notice.intersects(window->Label6->geometry()));
}

TEST_F(AboutWindowTest, ItsButtonsAndAddressesRunTheWebAndMailActions) {
    FrmSplash* window = open();
    ASSERT_NE(window, nullptr);

    click(window->cmdWeb);
    EXPECT_EQ(platform.shell.calls.size(), 0u);  // the main window's web timer does it
    platform.loop.advance(500);
    ASSERT_EQ(platform.shell.calls.size(), 1u);
    EXPECT_TRUE(
        platform.shell.calls[0].text.endsWith(QLatin1Char(' ') + launcher::kSisterHomePage));
    EXPECT_TRUE(window->isVisible());

    click(window->Command2);
    click(window->Label6);
    ASSERT_EQ(platform.shell.calls.size(), 3u);
    for (const std::size_t i : {1u, 2u}) {
        EXPECT_EQ(platform.shell.calls[i].kind, Kind::Document);
        EXPECT_EQ(platform.shell.calls[i].text, QStringLiteral("mailto:") + launcher::kMakerMail);
    }

    window->Text1->hide();  // the notice covers the web address while shown
    click(window->lblPlatform);
    ASSERT_EQ(platform.shell.calls.size(), 4u);
    EXPECT_TRUE(platform.shell.calls[3].text.endsWith(QLatin1Char(' ') + launcher::kMakerHomePage));
    EXPECT_EQ(main->indAbout, 1);
}

TEST_F(StartupTest, WithoutAnAboutWindowTheMainWindowTakesInputAgainAtOnce) {
    FrmResize main(platform.services());
    main.onEndProgram = [] {};
    main.Form_Load();
    click(view(main).Image8);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(main.indAbout, 0);
    view(main).mnuInfo->trigger();
    EXPECT_TRUE(main.isEnabled());
}

// Opened with indAbout 0, the window is the bare title panel: no buttons, notice or platform.
class FakeAboutHost : public about::AboutHost {
  public:
    explicit FakeAboutHost(platform::Services services) : web(launcherHost, services) {}
    QWidget* aboutOwner() override { return &owner; }
    qint16 aboutMode() const override { return mode; }
    Launcher& aboutLauncher() override { return web; }
    void aboutClosed() override { ++closed; }

    struct : LauncherHost {
        QWidget* launcherWindow() override { return nullptr; }
        void showHelpPressed() override {}
        bool hostEnded() const override { return false; }
    } launcherHost;
    QWidget owner;
    Launcher web;
    qint16 mode = 0;
    int closed = 0;
};

TEST_F(StartupTest, AsTheBareTitlePanelItShowsNoButtonsNoticeOrPlatform) {
    FakeAboutHost owner(platform.services());
    FrmSplash window(owner, platform.services());
    ASSERT_TRUE(window.Form_Load());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.buttonPanel->isVisible());
    EXPECT_FALSE(window.Text1->isVisible());
    EXPECT_FALSE(window.lblPlatform2->isVisible());
    EXPECT_TRUE(window.lblPlatform->isVisible());
    EXPECT_TRUE(window.Label6->isVisible());
    // Escape is still a way out.
    pressKey(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(owner.closed, 1);
    EXPECT_TRUE(window.unloaded());
}

}  // namespace
