// SPDX-License-Identifier: MIT
#include "glimmer/controls/lumen_progress_bar.h"

#include "control_fixture.h"
#include "support/widget_input.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace {

using glimmer::LumenProgressBar;
using glimmer::PropertyBag;
using glimmer_test::rgb;

constexpr glimmer::OleColour kFore = rgb(0xF4C520);
constexpr glimmer::OleColour kBack = rgb(0x000040);
constexpr glimmer::OleColour kRemain = rgb(0xFFFFFF);
constexpr QRgb kForePx = 0xFFF4C520;
constexpr QRgb kBackPx = 0xFF000040;
constexpr QRgb kRemainPx = 0xFFFFFFFF;

class ProgressBarTest : public glimmer_test::ControlTest {
  protected:
    // A bar of `w` x `h` pixels without border or value text, in plain colours.
    LumenProgressBar* bar(int w, int h, int orientation = 0) {
        auto* b = new LumenProgressBar(services(), container.get());
        b->setObjectName(QStringLiteral("bar"));
        b->InitProperties();
        b->setGeometry(5, 5, w, h);
        b->setBorderStyle(0);
        b->setShowValue(false);
        b->setOrientation(orientation);
        b->setProgressForeColor(kFore);
        b->setProgressBackColor(kBack);
        b->setProgressRemainColor(kRemain);
        b->show();
        return b;
    }
    static void press(QWidget* part, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), part->mapToGlobal(QPointF(at)), button,
                      button, Qt::NoModifier);
        QApplication::sendEvent(part, &e);
    }
};

TEST_F(ProgressBarTest, AHorizontalGradientRunsFromTheStartColourAtTheLeft) {
    LumenProgressBar* b = bar(200, 20);
    b->setUseGradientColors(true);  // #00FF00 to #FF0000
    const QImage& img = b->backBuffer();
    // Each column adds 255 / 200 = 1.275 to red and takes it from green; the last visible
    // column is one step short of the end colour.
    EXPECT_EQ(at(img, 0, 0), 0xFF00FF00);
    EXPECT_EQ(at(img, 0, 19), 0xFF00FF00);
    EXPECT_EQ(at(img, 1, 10), 0xFF01FE00);
    EXPECT_EQ(at(img, 199, 0), 0xFFFE0100);
    EXPECT_EQ(at(img, 199, 19), 0xFFFE0100);
}

TEST_F(ProgressBarTest, AVerticalGradientRunsFromTheStartColourAtTheBottom) {
    LumenProgressBar* b = bar(20, 100, 1);
    b->setGradientFromColor(rgb(0x0000C0));
    b->setGradientToColor(rgb(0x00C000));
    b->setUseGradientColors(true);
    const QImage& img = b->backBuffer();
    // The loop starts at the row below the surface: the bottom row is one step (1.92) in, the
    // top row carries the end colour.
    EXPECT_EQ(at(img, 0, 99), 0xFF0002BE);
    EXPECT_EQ(at(img, 19, 98), 0xFF0004BC);
    EXPECT_EQ(at(img, 0, 0), 0xFF00C000);
    EXPECT_EQ(at(img, 19, 0), 0xFF00C000);
}

TEST_F(ProgressBarTest, HorizontalBlocksHaveTwoPixelGapsAndFreeTopAndBottomRows) {
    LumenProgressBar* b = bar(100, 20);
    b->setValue(100);
    const QImage& img = b->backBuffer();
    for (const auto& [x, expected] : {std::pair{0, kBackPx},
                                      {1, kForePx},
                                      {15, kForePx},
                                      {16, kBackPx},
                                      {17, kBackPx},
                                      {18, kForePx},
                                      {32, kForePx},
                                      {33, kBackPx},
                                      {35, kForePx}}) {
        EXPECT_EQ(at(img, x, 10), expected) << "x " << x;
        EXPECT_EQ(at(img, x, 0), kBackPx) << "x " << x;
        EXPECT_EQ(at(img, x, 19), kBackPx) << "x " << x;
    }
    EXPECT_EQ(at(img, 1, 1), kForePx);
    EXPECT_EQ(at(img, 1, 18), kForePx);
}

TEST_F(ProgressBarTest, VerticalBlocksStackFromTheBottom) {
    LumenProgressBar* b = bar(20, 100, 1);
    const QImage& img = b->backBuffer();
    for (const auto& [y, expected] : {std::pair{99, kForePx},
                                      {85, kForePx},
                                      {84, kBackPx},
                                      {83, kBackPx},
                                      {82, kForePx},
                                      {68, kForePx},
                                      {67, kBackPx}}) {
        EXPECT_EQ(at(img, 1, y), expected) << "y " << y;
        EXPECT_EQ(at(img, 18, y), expected) << "y " << y;
        EXPECT_EQ(at(img, 0, y), kBackPx) << "y " << y;
        EXPECT_EQ(at(img, 19, y), kBackPx) << "y " << y;
    }
}

TEST_F(ProgressBarTest, TheCoverBoxShowsTheFilledPartUpToTheValue) {
    const struct {
        int orientation;
        float value;
        QRect filled;  // what shows the fill colour; the rest shows the remain colour
    } cases[] = {
        {0, 50, {0, 0, 100, 20}},
        {0, 0, {}},
        {0, 100, {0, 0, 200, 20}},
        {1, 50, {0, 10, 200, 10}},
        {1, 0, {}},
        {1, 100, {0, 0, 200, 20}},
        {2, 50, {}},  // no orientation: no fill
    };
    for (const auto& c : cases) {
        LumenProgressBar* b = bar(200, 20, c.orientation);
        b->setScrolling(1);
        b->setValue(c.value);
        const QImage screen = onScreen(b);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 200; ++x) {
                const QRgb expected = c.filled.contains(x, y) ? kForePx : kRemainPx;
                ASSERT_EQ(at(screen, x, y), expected)
                    << "orientation " << c.orientation << " value " << c.value << " at " << x << ","
                    << y;
            }
        }
        delete b;
    }
}

TEST_F(ProgressBarTest, SettersKeepTheValueWithinMinAndMax) {
    LumenProgressBar* b = bar(100, 20);
    b->setValue(-5);
    EXPECT_EQ(b->value(), 0);
    b->setValue(500);
    EXPECT_EQ(b->value(), 100);
    b->setValue(50);
    b->setMin(100);  // not below Max
    b->setMin(150);
    EXPECT_EQ(b->min(), 0);
    b->setMax(0);
    b->setMax(-3);
    EXPECT_EQ(b->max(), 100);
    b->setMin(60);
    EXPECT_EQ(b->value(), 60);
    b->setMax(55);
    EXPECT_EQ(b->max(), 100);  // Min is 60
    b->setMax(70);
    b->setValue(70);
    b->setMax(65);
    EXPECT_EQ(b->value(), 65);
    b->setProgressBlockWidth(-5);
    EXPECT_EQ(b->progressBlockWidth(), 0);
}

TEST_F(ProgressBarTest, EachLookDrawsOnlyWhileItIsChosen) {
    LumenProgressBar* b = bar(100, 20);
    b->setUseGradientColors(true);
    const QImage gradient = b->backBuffer().copy();
    b->DrawBlocks();
    EXPECT_EQ(b->backBuffer(), gradient);
    b->setUseGradientColors(false);
    const QImage blocks = b->backBuffer().copy();
    b->DrawGradient();
    EXPECT_EQ(b->backBuffer(), blocks);
    EXPECT_EQ(at(blocks, 1, 1), kForePx);
}

TEST_F(ProgressBarTest, ANewBackColourClearsTheGradientUntilTheNextRelayout) {
    LumenProgressBar* b = bar(100, 20);
    b->setUseGradientColors(true);
    b->setProgressBackColor(rgb(0x123456));
    EXPECT_EQ(at(b->backBuffer(), 0, 0), 0xFF123456);
    EXPECT_EQ(at(b->backBuffer(), 99, 19), 0xFF123456);
    b->resize(120, 20);
    EXPECT_EQ(at(b->backBuffer(), 0, 0), 0xFF00FF00);
}

TEST_F(ProgressBarTest, ASmallBarIsEnlargedToNinetyTwipsEachWay) {
    auto* b = new LumenProgressBar(services(), container.get());
    b->InitProperties();
    ui::Twips(platform.screen).place(b, 0, 0, 60, 60);
    b->show();
    EXPECT_EQ(b->size(), QSize(6, 6));
    EXPECT_EQ(ui::Twips(platform.screen).width(b), 90);
}

TEST_F(ProgressBarTest, TheValueTextJoinsPrefixNumberAndSuffixInBothLabels) {
    LumenProgressBar* b = bar(200, 20);
    b->setShowValue(true);
    EXPECT_EQ(b->lblValue()->text(), QStringLiteral("50"));
    b->setValuePrefix(QStringLiteral("Done: "));
    b->setValueSuffix(QStringLiteral("%"));
    b->setValue(12.5f);
    EXPECT_EQ(b->lblValue()->text(), QStringLiteral("Done: 12.5%"));
    EXPECT_EQ(b->lblValue2()->text(), b->lblValue()->text());
    EXPECT_TRUE(b->lblValue2()->isVisible());
    // The second label lies exactly over the first on the screen.
    EXPECT_EQ(b->lblValue2()->mapTo(b, QPoint(0, 0)), b->lblValue()->mapTo(b, QPoint(0, 0)));
    b->setShowValue(false);
    EXPECT_FALSE(b->lblValue()->isVisible());
    EXPECT_FALSE(b->lblValue2()->isVisible());
}

TEST_F(ProgressBarTest, APressOnEachPartReportsItsPlaceInControlPixels) {
    LumenProgressBar* b = bar(200, 20);
    b->setShowValue(true);
    b->setValue(50);  // the cover box starts at 100
    QStringList seen;
    QObject::connect(b, &LumenProgressBar::MouseDown, [&](short bt, short, float x, float y) {
        seen << QStringLiteral("%1 %2,%3").arg(bt).arg(x).arg(y);
    });
    const QPoint label = b->lblValue()->pos();
    const QPoint label2 = b->lblValue2()->pos();
    press(b->surface(), {5, 6});
    press(b->picProgress(), {3, 4}, Qt::RightButton);
    press(b->lblValue(), {2, 3});
    press(b->lblValue2(), {2, 3});
    EXPECT_EQ(
        seen,
        (QStringList{QStringLiteral("1 5,6"), QStringLiteral("2 104,4"),
                     QStringLiteral("1 %1,%2").arg(label.x() + 2).arg(label.y() + 3),
                     QStringLiteral("1 %1,%2").arg(100 + 1 + label2.x() + 2).arg(label2.y() + 3)}));
}

TEST_F(ProgressBarTest, AClickOnAnyPartRaisesClickAfterMouseUp) {
    LumenProgressBar* b = bar(200, 20);
    QStringList seen;
    QObject::connect(b, &LumenProgressBar::MouseUp, [&] { seen << QStringLiteral("up"); });
    QObject::connect(b, &LumenProgressBar::Click, [&] { seen << QStringLiteral("click"); });
    testing_support::click(b->surface(), {10, 10});
    testing_support::click(b->picProgress(), {10, 10});
    EXPECT_EQ(seen, (QStringList{"up", "click", "up", "click"}));
}

TEST_F(ProgressBarTest, LoadedMinEqualToMaxLeavesTheCoverBoxWhereItIs) {
    LumenProgressBar* b = bar(200, 20);
    b->setValue(25);
    ASSERT_EQ(b->picProgress()->x(), 50);
    PropertyBag bag;
    bag.write(QStringLiteral("BorderStyle"), qint32{0}, qint32{1});
    bag.write(QStringLiteral("Min"), 5.0f, 0.0f);
    bag.write(QStringLiteral("Max"), 5.0f, 100.0f);
    bag.write(QStringLiteral("Value"), 5.0f, 50.0f);
    b->ReadProperties(bag);
    EXPECT_EQ(b->picProgress()->x(), 50);
    b->setValue(5);
    EXPECT_EQ(b->picProgress()->x(), 50);
    // A loaded value far beyond Max keeps the box a little past the edge.
    bag.write(QStringLiteral("Max"), 6.0f, 100.0f);
    bag.write(QStringLiteral("Value"), 1e30f, 50.0f);
    b->ReadProperties(bag);
    EXPECT_EQ(b->picProgress()->x(), 201);
}

TEST_F(ProgressBarTest, ANegativeLoadedBlockWidthDrawsAsZero) {
    LumenProgressBar* b = bar(20, 20);
    PropertyBag bag;
    bag.write(QStringLiteral("ProgressBlockWidth"), qint32{-2}, qint32{15});
    b->ReadProperties(bag);
    EXPECT_EQ(b->progressBlockWidth(), 0);
}

TEST_F(ProgressBarTest, SavedSettingsComeBackAndDefaultsAreNotWritten) {
    LumenProgressBar plain(services(), container.get());
    PropertyBag empty;
    plain.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    LumenProgressBar fresh(services(), container.get());
    fresh.InitProperties();
    PropertyBag design;
    fresh.WriteProperties(design);
    EXPECT_EQ(design.names(), (QStringList{"progressforecolor", "valueforecolor"}));

    LumenProgressBar* b = bar(200, 20, 1);
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QFont font(QStringLiteral("Liberation Sans"), 11);
    b->setMax(180);
    b->setMin(-10);
    b->setValue(33.5f);
    b->setUseGradientColors(true);
    b->setGradientFromColor(rgb(0x0000C0));
    b->setGradientToColor(glimmer::sys::Highlight);  // stored as the colour it stands for
    b->setMouseIcon(icon);
    b->setMousePointer(99);
    b->setScrolling(1);
    b->setProgressBlockWidth(20);
    b->setValueForeColor(rgb(0x102030));
    b->setValueFont(font);
    b->setValuePrefix(QStringLiteral("<"));
    b->setValueSuffix(QStringLiteral(">"));
    PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_EQ(bag.readColour(QStringLiteral("GradientToColor"), 0), rgb(0x0A246A));
    EXPECT_EQ(bag.names(), (QStringList{"value",
                                        "usegradientcolors",
                                        "gradientfromcolor",
                                        "gradienttocolor",
                                        "orientation",
                                        "min",
                                        "max",
                                        "mouseicon",
                                        "mousepointer",
                                        "scrolling",
                                        "borderstyle",
                                        "progressbackcolor",
                                        "progressforecolor",
                                        "progressblockwidth",
                                        "progressremaincolor",
                                        "showvalue",
                                        "valueforecolor",
                                        "font",
                                        "valuesuffix",
                                        "valueprefix"}));

    auto text = PropertyBag::fromText(bag.toText());
    ASSERT_TRUE(text.has_value());
    LumenProgressBar back(services(), container.get());
    back.ReadProperties(*text);
    PropertyBag again;
    back.WriteProperties(again);
    EXPECT_EQ(again, bag);
    EXPECT_EQ(back.value(), 33.5f);
    EXPECT_EQ(back.orientation(), 1);
    EXPECT_EQ(back.lblValue2()->font().toString(), font.toString());
    // Loading drew the bar once: the gradient is on the surface already.
    back.resize(20, 100);
    back.DrawGradient();
    EXPECT_EQ(at(back.backBuffer(), 0, 0), 0xFF0A246A);
}

TEST_F(ProgressBarTest, AboutBoxNamesTheControl) {
    LumenProgressBar* b = bar(100, 20);
    b->AboutBox();
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    const auto& box = platform.dialogs.shown.front();
    EXPECT_EQ(box.title, QStringLiteral("About LumenProgressBar user control..."));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("LumenProgressBar user control")));
    EXPECT_EQ(box.icon, platform::Icon::Information);
    EXPECT_EQ(box.buttons, platform::Buttons::Ok);
}

}  // namespace
