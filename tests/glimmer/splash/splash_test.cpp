// SPDX-License-Identifier: MIT
#include "glimmer/splash/frm_splash.h"
#include "glimmer/splash/splash_layout.h"
#include "support/test_platform.h"
#include "support/widget_input.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

using glimmer::FrmSplash;
using testing_support::TestPlatform;

const QString kProductName = QStringLiteral("Corvel Thumbnail Utility");

// What a user sees of the window at one moment.
struct Look {
    bool windowShown;
    std::vector<QString> shown;  // the controls shown, by name
    std::vector<float> bars;     // bar(0) .. bar(3), barlogo
    QString productName;
    qint16 incChars;
    bool ended;
    bool operator==(const Look&) const = default;
};

std::map<QString, QWidget*> controlsOf(FrmSplash& w) {
    return {
        {QStringLiteral("LumenCommand1"), w.LumenCommand1},
        {QStringLiteral("ShadowLabel1"), w.ShadowLabel1},
        {QStringLiteral("ShadowLabel2"), w.ShadowLabel2},
        {QStringLiteral("lblProductName"), w.lblProductName},
        {QStringLiteral("lblLicenseTo"), w.lblLicenseTo},
        {QStringLiteral("lblCopyright"), w.lblCopyright},
        {QStringLiteral("cmdClose"), w.cmdClose},
        {QStringLiteral("ShadowLabel3"), w.ShadowLabel3},
        {QStringLiteral("Line1"), w.Line1},
        {QStringLiteral("Image2"), w.Image2},
        {QStringLiteral("imgLogo"), w.imgLogo},
        {QStringLiteral("Image1"), w.Image1},
    };
}

Look lookOf(FrmSplash& w) {
    Look look{w.isVisible(), {}, {}, w.lblProductName->caption(), w.incChars, w.programEnded()};
    for (const auto& [name, control] : controlsOf(w)) {
        // Shown by the timeline, whether or not the window itself is on screen at the moment.
        if (!control->isHidden()) {
            look.shown.push_back(name);
        }
    }
    for (const auto* b : w.bar) {
        look.bars.push_back(b->value());
    }
    look.bars.push_back(w.barlogo->value());
    return look;
}

// A mouse event where a user makes it: at the centre of `widget`, delivered to the control
// that lies under that point, as the window system would.
void mouseAt(QWidget* widget, QEvent::Type type) {
    const QPoint centre = widget->rect().center();
    QWidget* target = widget->childAt(centre);
    if (target == nullptr) {
        target = widget;
    }
    const QPointF local = target->mapFrom(widget, QPointF(centre));
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* widget) {
    mouseAt(widget, QEvent::MouseButtonPress);
    mouseAt(widget, QEvent::MouseButtonRelease);
}

void doubleClick(QWidget* widget) {
    click(widget);
    mouseAt(widget, QEvent::MouseButtonDblClick);
    mouseAt(widget, QEvent::MouseButtonRelease);
}

class SplashTest : public ::testing::Test {
  protected:
    std::unique_ptr<FrmSplash> load() {
        auto window = std::make_unique<FrmSplash>(platform.services());
        window->onEndProgram = [this] { ++ends; };
        window->Form_Load();
        return window;
    }
    void SetUp() override {
        start = platform.loop.tickCount();
        splash = load();
    }
    void TearDown() override { platform.verifyAndReset(); }
    // Lets the clock run to `ms` after the load.
    void runTo(quint32 ms) { platform.loop.advance(start + ms - platform.loop.tickCount()); }

    TestPlatform platform;
    quint32 start = 0;
    int ends = 0;
    std::unique_ptr<FrmSplash> splash;
};

TEST_F(SplashTest, WindowIsAFramelessWhiteTopmostSplashCentredOnTheScreen) {
    EXPECT_EQ(splash->size(), QSize(376, 207));  // 5640 x 3105 twips
    EXPECT_EQ(splash->pos(), QPoint((1024 - 376) / 2, (768 - 207) / 2));
    const Qt::WindowFlags flags = splash->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    // a splash window has no task bar entry
    EXPECT_EQ(splash->windowType(), Qt::SplashScreen);
    EXPECT_EQ(splash->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(splash->windowIcon().isNull());
    EXPECT_TRUE(splash->windowIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(splash->windowTitle().isEmpty());
}

TEST_F(SplashTest, ControlsStandAtTheirDesignPlaces) {
    const ui::Twips& t = splash->twips;
    const struct {
        QWidget* control;
        QRect twipsPlace;
    } places[] = {
        {splash->LumenCommand1, {240, 480, 2055, 1215}},
        {splash->ShadowLabel1, {3240, 1120, 1695, 375}},
        {splash->ShadowLabel2, {3120, 860, 1815, 375}},
        {splash->lblProductName, {180, 2500, 4695, 495}},
        {splash->lblLicenseTo, {1560, 230, 3375, 375}},
        {splash->lblCopyright, {240, 2180, 3615, 495}},
        {splash->cmdClose, {4920, 2760, 615, 255}},
        {splash->bar[0], {5520, 0, 135, 3015}},
        {splash->bar[2], {0, 0, 135, 3015}},
        {splash->bar[3], {120, 0, 5535, 135}},
        {splash->bar[1], {0, 3000, 5655, 135}},
        {splash->barlogo, {5040, 600, 375, 2085}},
        {splash->ShadowLabel3, {2400, 600, 2535, 375}},
        {splash->Image2, {4200, 1560, 780, 780}},
        {splash->imgLogo, {5040, 120, 375, 465}},
        {splash->Image1, {240, 1710, 2925, 315}},
    };
    for (const auto& [control, place] : places) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_EQ(QRect(t.left(control), t.top(control), t.width(control), t.height(control)),
                  place);
    }
    // from 240 to 3120 twips across, at 1920 twips down
    EXPECT_EQ(splash->Line1->geometry().topLeft(), QPoint(16, 128));
    EXPECT_GE(splash->Line1->width(), 208 - 16);
    EXPECT_EQ(splash->Image1->picture().size(), QSize(195, 21));
    EXPECT_EQ(splash->imgLogo->picture().size(), QSize(21, 23));
    EXPECT_EQ(splash->Image2->picture().size(), QSize(48, 48));
    EXPECT_EQ(splash->cmdClose->text(), QStringLiteral("&Close"));
}

// Every setting the layout stores reaches its control through the control's property bag:
// what the control saves again is what the layout holds (fonts aside: they become the ones
// this machine has, and the picture button gets our picture).
TEST_F(SplashTest, ControlsTakeTheStoredLayoutThroughTheirPropertyBags) {
    const std::vector<glimmer::LayoutBlock> layout = glimmer::storedLayout();
    ASSERT_EQ(layout.size(), 24u) << "the window and its 23 controls";
    const QStringList placeNames = {QStringLiteral("left"),    QStringLiteral("top"),
                                    QStringLiteral("width"),   QStringLiteral("height"),
                                    QStringLiteral("visible"), QStringLiteral("font")};
    int checked = 0;
    for (const glimmer::LayoutBlock& block : layout) {
        SCOPED_TRACE(block.name.toStdString());
        glimmer::PropertyBag saved;
        auto* control = splash->findChild<QWidget*>(block.name);
        if (block.kind == QLatin1String("ShadowLabel")) {
            static_cast<glimmer::ShadowLabel*>(control)->WriteProperties(saved);
        } else if (block.kind == QLatin1String("LumenProgressBar")) {
            static_cast<glimmer::LumenProgressBar*>(control)->WriteProperties(saved);
        } else if (block.kind == QLatin1String("LumenCommand")) {
            static_cast<glimmer::LumenCommand*>(control)->WriteProperties(saved);
        } else {
            continue;
        }
        ++checked;
        for (const QString& name : block.bag.names()) {
            if (!placeNames.contains(name)) {
                ASSERT_NE(saved.find(name), nullptr) << name.toStdString();
                EXPECT_EQ(*saved.find(name), *block.bag.find(name)) << name.toStdString();
            }
        }
        for (const QString& name : saved.names()) {
            EXPECT_TRUE(block.bag.contains(name) || name == QLatin1String("font") ||
                        name == QLatin1String("picture"))
                << "saved but not in the layout: " << name.toStdString();
        }
    }
    EXPECT_EQ(checked, 12);

    EXPECT_EQ(splash->LumenCommand1->picture().size(), QSize(143, 84));
    EXPECT_TRUE(splash->LumenCommand1->caption().isEmpty());
    EXPECT_EQ(splash->lblCopyright->caption(), QStringLiteral("Brindle Software Presents:"));
    EXPECT_EQ(splash->ShadowLabel1->caption(), QStringLiteral("Version: 2.4"));
    EXPECT_EQ(splash->bar[0]->orientation(), 1);
    EXPECT_EQ(splash->bar[1]->orientation(), 0);
    EXPECT_EQ(splash->barlogo->max(), 180);
    EXPECT_EQ(splash->Timer4.interval(), 5000);
    EXPECT_FALSE(splash->Timer4.enabled());
    EXPECT_EQ(splash->Timer3.interval(), 150);
    EXPECT_TRUE(splash->Timer3.enabled());
    EXPECT_EQ(splash->AlphaTrans.interval(), 1) << "set at load";
}

TEST(SplashLayout, ABlockThatCannotBeReadIsLeftOutAlone) {
    const auto blocks =
        glimmer::readLayout(QStringLiteral("' a window\n"
                                           "Begin ShadowLabel first\n"
                                           "   caption = \"one\"\n"
                                           "End\n"
                                           "Begin ShadowLabel broken\n"
                                           "   caption = one\n"
                                           "End\n"
                                           "Begin Timer last\n"
                                           "   interval = 5\n"
                                           "End\n"));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].name, QStringLiteral("first"));
    EXPECT_EQ(blocks[0].bag.readText(QStringLiteral("Caption"), {}), QStringLiteral("one"));
    EXPECT_EQ(blocks[1].kind, QStringLiteral("Timer"));
    EXPECT_EQ(blocks[1].bag.readInt(QStringLiteral("Interval"), 0), 5);
}

// The window as a user sees it: the bars' gradients come up from their start colours at
// the bottom and the left, over a white window.
TEST_F(SplashTest, BarsUncoverTheirGradientsOnTheWhiteWindow) {
    runTo(1);
    const QImage atStart = splash->grab().toImage();
    const QColor white(Qt::white);
    EXPECT_EQ(atStart.pixelColor(3, 100), white) << "a bar at 0 cannot be seen";
    EXPECT_EQ(atStart.pixelColor(200, 3), white);
    runTo(1700);
    const QImage full = splash->grab().toImage();
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               24;
    };
    const QColor blue(0x00, 0x00, 0xC0);
    const QColor green(0x00, 0xC0, 0x00);
    // bar(2), the left edge: green at the bottom, blue at the top
    EXPECT_TRUE(near(full.pixelColor(3, 198), green))
        << full.pixelColor(3, 198).name().toStdString();
    EXPECT_TRUE(near(full.pixelColor(3, 10), blue)) << full.pixelColor(3, 10).name().toStdString();
    // bar(3), the top edge: blue at the left, green at the right
    EXPECT_TRUE(near(full.pixelColor(10, 3), blue)) << full.pixelColor(10, 3).name().toStdString();
    EXPECT_TRUE(near(full.pixelColor(365, 3), green))
        << full.pixelColor(365, 3).name().toStdString();
    // the logo bar, half way at 102 of 180: white above, its gradient below
    const int logoTop = 40;
    EXPECT_EQ(full.pixelColor(348, logoTop + 5), white);
    EXPECT_NE(full.pixelColor(348, logoTop + 135), white);
}

// What is shown at each moment of the timeline, and that none of it comes a tick early.
TEST_F(SplashTest, TimelineShowsEachControlOnItsTick) {
    const std::map<QString, quint32> shownAt = {
        {QStringLiteral("LumenCommand1"), 400},  {QStringLiteral("Image1"), 800},
        {QStringLiteral("lblProductName"), 900}, {QStringLiteral("lblCopyright"), 1600},
        {QStringLiteral("Image2"), 1600},        {QStringLiteral("imgLogo"), 3000},
        {QStringLiteral("lblLicenseTo"), 3000},  {QStringLiteral("ShadowLabel3"), 3500},
        {QStringLiteral("ShadowLabel2"), 3500},  {QStringLiteral("ShadowLabel1"), 3500},
        {QStringLiteral("Line1"), 3500},
    };
    const auto expectedAt = [&](quint32 ms) {
        std::vector<QString> shown;
        for (const auto& [name, control] : controlsOf(*splash)) {
            const auto it = shownAt.find(name);
            if (it != shownAt.end() && it->second <= ms) {
                shown.push_back(name);
            }
        }
        return shown;
    };
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(lookOf(*splash).shown.empty());
    runTo(1);
    EXPECT_TRUE(splash->isVisible()) << "AlphaTrans shows the window on its first tick";
    for (const quint32 ms : {400u, 800u, 900u, 1600u, 1700u, 3000u, 3500u, 8400u}) {
        SCOPED_TRACE(ms);
        runTo(ms - 1);
        EXPECT_EQ(lookOf(*splash).shown, expectedAt(ms - 1));
        runTo(ms);
        EXPECT_EQ(lookOf(*splash).shown, expectedAt(ms));
        EXPECT_TRUE(splash->isVisible());
        EXPECT_EQ(ends, 0);
    }
    EXPECT_TRUE(splash->cmdClose->isHidden());
    runTo(8499);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(ends, 0);
    runTo(8500);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(splash->programEnded());

    // Nothing of the window runs after the end, however long the loop goes on.
    const Look atEnd = lookOf(*splash);
    runTo(20000);
    EXPECT_EQ(lookOf(*splash), atEnd);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(platform.loop.activeTimers(), 0);
}

TEST_F(SplashTest, BarsGrowEveryTickAndStopAtTheirMaximum) {
    runTo(100);
    EXPECT_EQ(splash->bar[0]->value(), 5);
    EXPECT_EQ(splash->bar[1]->value(), 10) << "the bottom bar runs one step ahead";
    EXPECT_EQ(splash->bar[2]->value(), 5);
    EXPECT_EQ(splash->bar[3]->value(), 5);
    EXPECT_EQ(splash->barlogo->value(), 6);
    for (quint32 tick = 2; tick <= 85; ++tick) {
        SCOPED_TRACE(tick);
        runTo(tick * 100);
        const auto edge = static_cast<float>(std::min(5u * tick, 85u));
        EXPECT_EQ(splash->bar[0]->value(), edge);
        EXPECT_EQ(splash->bar[1]->value(), std::min(edge + 5, 85.0f));
        EXPECT_EQ(splash->bar[2]->value(), edge);
        EXPECT_EQ(splash->bar[3]->value(), edge);
        EXPECT_EQ(splash->barlogo->value(), static_cast<float>(std::min(6u * tick, 180u)));
    }
}

TEST_F(SplashTest, BottomBarIsFullOneTickBeforeTheTopBar) {
    runTo(1500);
    EXPECT_LT(splash->bar[1]->value(), 85);
    runTo(1600);
    EXPECT_EQ(splash->bar[1]->value(), 85);
    EXPECT_EQ(splash->bar[3]->value(), 80);
    runTo(1700);
    EXPECT_EQ(splash->bar[3]->value(), 85);
    EXPECT_EQ(splash->bar[0]->value(), 85);
    EXPECT_EQ(splash->bar[2]->value(), 85);
    runTo(2900);
    EXPECT_EQ(splash->barlogo->value(), 174);
    runTo(3000);
    EXPECT_EQ(splash->barlogo->value(), 180);
}

TEST_F(SplashTest, ProductNameIsTypedOneCharacterPerTick) {
    runTo(750);  // Timer3 has ticked five times, before Image1 was shown: nothing typed
    EXPECT_TRUE(splash->lblProductName->isHidden());
    EXPECT_EQ(splash->incChars, 0);
    for (qint16 count = 1; count <= 51; ++count) {
        SCOPED_TRACE(count);
        runTo(750 + 150 * static_cast<quint32>(count));
        EXPECT_FALSE(splash->lblProductName->isHidden());
        EXPECT_EQ(splash->incChars, count);
        EXPECT_EQ(splash->lblProductName->caption(), kProductName.left(count));
    }
    EXPECT_EQ(splash->lblProductName->caption(), kProductName);
    EXPECT_EQ(platform.loop.tickCount() - start, 8400u) << "the 56th tick shows the whole name";
}

TEST_F(SplashTest, TypingStartsAgainAfterFiftyOneCharacters) {
    runTo(8400);
    ASSERT_EQ(splash->incChars, 51);
    splash->Timer3_Timer();
    EXPECT_EQ(splash->incChars, 1);
    EXPECT_EQ(splash->lblProductName->caption(), QStringLiteral("C"));
    splash->Timer3_Timer();
    EXPECT_EQ(splash->lblProductName->caption(), QStringLiteral("Co"));
}

// Every key, click and close request on the way leaves the timeline as a twin window that
// nobody touches has it, moment by moment.
TEST_F(SplashTest, InputChangesNothingOfTheTimeline) {
    int twinEnds = 0;
    auto twin = std::make_unique<FrmSplash>(platform.services());
    twin->onEndProgram = [&] { ++twinEnds; };
    twin->Form_Load();

    using testing_support::pressKey;
    FrmSplash& w = *splash;
    const std::vector<std::pair<quint32, std::function<void()>>> pokes = {
        {50, [&] { click(&w); }},
        {350, [&] { pressKey(&w, Qt::Key_Escape); }},
        {450, [&] { click(w.LumenCommand1); }},
        {460, [&] { doubleClick(w.LumenCommand1); }},
        {820, [&] { click(w.Image1); }},
        {950, [&] { pressKey(&w, Qt::Key_Return, QStringLiteral("\r")); }},
        {1000, [&] { pressKey(&w, Qt::Key_C, QStringLiteral("c")); }},
        {1650, [&] { doubleClick(w.lblCopyright); }},
        {2000, [&] { pressKey(&w, Qt::Key_Space, QStringLiteral(" ")); }},
        {3100, [&] { click(w.barlogo); }},
        {3600, [&] { w.close(); }},
        {8000, [&] { click(w.lblProductName); }},
    };
    for (const auto& [ms, poke] : pokes) {
        platform.loop.at(start + ms, poke);
    }
    for (quint32 ms = 0; ms <= 9000; ms += 25) {
        SCOPED_TRACE(ms);
        runTo(ms);
        ASSERT_EQ(lookOf(w), lookOf(*twin));
    }
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(twinEnds, 1);
}

TEST_F(SplashTest, PressingThePictureButtonShowsOnlyItsPressLook) {
    runTo(500);
    const Look before = lookOf(*splash);
    mouseAt(splash->LumenCommand1, QEvent::MouseButtonPress);
    EXPECT_TRUE(splash->LumenCommand1->isPressed());
    EXPECT_EQ(lookOf(*splash), before);
    mouseAt(splash->LumenCommand1, QEvent::MouseButtonRelease);
    EXPECT_FALSE(splash->LumenCommand1->isPressed());
    EXPECT_EQ(lookOf(*splash), before);
    EXPECT_EQ(ends, 0);
}

// A busy machine delivers the ticks late: the steps keep their order and their tick counts,
// only the times shift.
TEST_F(SplashTest, LateTicksKeepTheOrderAndTheCounts) {
    // When each control came up, in virtual time since the load, and how many Timer1 ticks
    // (steps of bar(0)) had run by then.
    std::map<QString, quint32> shownAt;
    std::map<QString, int> shownAtTick;
    int timer1Ticks = 0;
    float lastBar0 = 0;
    // Stall the program for a while again and again, at odd moments.
    for (quint32 ms = 130; ms < 40000; ms += 470) {
        platform.loop.at(start + ms, [this, ms] { platform.loop.stall(ms % 3 == 0 ? 900 : 260); });
    }
    quint32 endedAt = 0;
    while (ends == 0 && platform.loop.tickCount() - start < 60000) {
        platform.loop.advance(1);
        const quint32 now = platform.loop.tickCount() - start;
        if (splash->bar[0]->value() != lastBar0) {
            lastBar0 = splash->bar[0]->value();
            ++timer1Ticks;
            // the bottom bar stays one step ahead of the top bar, tick by tick
            EXPECT_EQ(splash->bar[1]->value(), std::min(splash->bar[3]->value() + 5, 85.0f));
        }
        for (const auto& [name, control] : controlsOf(*splash)) {
            if (!control->isHidden() && !shownAt.count(name)) {
                shownAt[name] = now;
                shownAtTick[name] = timer1Ticks;
            }
        }
        for (const auto* b : splash->bar) {
            ASSERT_LE(b->value(), 85);
        }
        ASSERT_LE(splash->barlogo->value(), 180);
        endedAt = now;
    }
    ASSERT_EQ(ends, 1);
    EXPECT_GT(endedAt, 8500u) << "the stalls made the end late";
    ASSERT_EQ(shownAt.size(), 11u) << "everything but cmdClose came up";

    EXPECT_EQ(shownAtTick["LumenCommand1"], 4);
    EXPECT_EQ(shownAtTick["Image1"], 8);
    EXPECT_EQ(shownAtTick["lblCopyright"], 16);
    EXPECT_EQ(shownAt["Image2"], shownAt["lblCopyright"]);
    EXPECT_LT(shownAt["LumenCommand1"], shownAt["Image1"]);
    EXPECT_LE(shownAt["Image1"], shownAt["lblProductName"]);
    EXPECT_LT(shownAt["Image1"], shownAt["lblCopyright"]);
    EXPECT_EQ(shownAt["lblLicenseTo"], shownAt["imgLogo"]);
    for (const char* name : {"ShadowLabel2", "ShadowLabel1", "Line1"}) {
        EXPECT_EQ(shownAt[name], shownAt["ShadowLabel3"]) << name;
    }
    // Timer22 counts its 500 ms from the logo bar's end, Timer4 its 5000 ms from Timer22's.
    EXPECT_GE(shownAt["ShadowLabel3"] - shownAt["imgLogo"], 500u);
    EXPECT_GE(endedAt - shownAt["ShadowLabel3"], 5000u);
    EXPECT_EQ(splash->barlogo->value(), 180);
    EXPECT_EQ(splash->bar[3]->value(), 85);
    EXPECT_FALSE(splash->isVisible());
}

}  // namespace
