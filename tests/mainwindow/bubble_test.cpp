// SPDX-License-Identifier: MIT
#include "mainwindow/bubble.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"

#include "ui/artwork.h"

#include <QMainWindow>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// A picture from rows of characters: '.' is the background, other letters are colours.
QImage drawn(const std::vector<const char*>& rows) {
    QImage image(int(strlen(rows[0])), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows[std::size_t(y)][x];
            image.setPixel(x, y, c == '.' ? qRgb(255, 0, 255) : qRgb(c, 0, 0));
        }
    }
    return image;
}

TEST(MaskRegion, IsTheUnionOfTheRunsOfEachRow) {
    const QImage mask = drawn({
        "..ab..c",
        ".......",
        "xx...yy",
        ".zzzzz.",
    });
    QRegion runs;
    runs += QRect(2, 0, 2, 1);  // two colours in one run: only the background is cut away
    runs += QRect(6, 0, 1, 1);  // a run that ends at the row's end
    runs += QRect(0, 2, 2, 1);
    runs += QRect(5, 2, 2, 1);
    runs += QRect(1, 3, 5, 1);
    EXPECT_EQ(maskRegion(mask), runs);
}

TEST(MaskRegion, TheTopLeftPixelNamesTheTransparentColour) {
    // Here the background is the letter colour and the '.' pixels are the shape.
    const QImage mask = drawn({
        "a..a",
        "aaaa",
    });
    EXPECT_EQ(maskRegion(mask), QRegion(1, 0, 2, 1));
    EXPECT_TRUE(maskRegion(QImage()).isEmpty());
    EXPECT_TRUE(maskRegion(drawn({"...", "..."})).isEmpty());
}

class BubbleTest : public ::testing::Test {
  protected:
    void TearDown() override { platform.verifyAndReset(); }

    testing_support::TestPlatform platform;
    ui::Twips twips{platform.screen};
    QMainWindow owner;
    QString tip;
    Bubble bubble{&owner, platform.loop, twips, [this] { return tip; }};
};

TEST_F(BubbleTest, IsAShapedTopLevelOfItsOwnThatTakesNoFocus) {
    EXPECT_EQ(bubble.parentWidget(), nullptr);
    EXPECT_TRUE(bubble.isWindow());
    EXPECT_TRUE(bubble.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(bubble.windowFlags() & Qt::WindowType_Mask, Qt::Tool);  // no task-bar entry
    EXPECT_TRUE(bubble.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(bubble.testAttribute(Qt::WA_ShowWithoutActivating));

    // 30 twips narrower and lower than its 234 x 65 mask, cut to the mask's outline
    EXPECT_EQ(bubble.size(), QSize(232, 63));
    EXPECT_TRUE(bubble.Picture1->isHidden());
    EXPECT_EQ(bubble.Picture1->size(), QSize(234, 65));
    const QRegion shape = maskRegion(ui::artworkImage(ui::Art::BubbleMask));
    EXPECT_EQ(bubble.mask(), shape);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(100, 15)));  // the bar
    EXPECT_TRUE(shape.contains(QPoint(12, 50)));   // the arrow at its lower left
    EXPECT_FALSE(shape.contains(QPoint(150, 50)));

    owner.show();
    bubble.showTip();
    owner.setEnabled(false);  // the picker or the about window holds the owner
    EXPECT_TRUE(bubble.isEnabled());
    ASSERT_NE(bubble.windowHandle(), nullptr);
    EXPECT_EQ(bubble.windowHandle()->transientParent(), owner.windowHandle());
}

TEST_F(BubbleTest, ShowsItsBarLabelsAndTheXHidesIt) {
    EXPECT_EQ(bubble.Picture2->geometry(), QRect(0, 0, 221, 61));
    EXPECT_EQ(bubble.Label1->text(), "Welcome");
    EXPECT_EQ(bubble.Label1->geometry(), QRect(7, 6, 164, 13));
    EXPECT_EQ(bubble.Label1->toolTip(), "Click The Helper Tips Toolbar Button To Turn Off Tips");
    EXPECT_EQ(bubble.Picture2->toolTip(), bubble.Label1->toolTip());
    EXPECT_EQ(bubble.Label2->text(), "X");
    EXPECT_EQ(bubble.Label2->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(bubble.Label2->toolTip(),
              "Close Helper Tip (Click The Helper Tips Toolbar Button To Turn Off Tips)");

    bubble.placeAt(3000, 4500);
    EXPECT_EQ(bubble.pos(), QPoint(200, 300));
    bubble.showTip();
    ASSERT_TRUE(bubble.isVisible());
    testing_support::click(bubble.Label2);
    EXPECT_FALSE(bubble.isVisible());
    bubble.close();  // closing only hides: the ticker runs on
    platform.loop.advance(100);
    EXPECT_NE(bubble.Label1->text(), "Welcome");
}

TEST_F(BubbleTest, TheTickerRotatesTheTextAndTenSpaces) {
    tip = "ABC";  // 13 characters with the spaces: shorter than the label
    platform.loop.advance(99);
    EXPECT_EQ(bubble.Label1->text(), "Welcome");
    platform.loop.advance(1);
    EXPECT_EQ(bubble.Label1->text(), "BC          AB");
    platform.loop.advance(100);
    EXPECT_EQ(bubble.Label1->text(), "C          ABC");
    platform.loop.advance(100 * 11);
    EXPECT_EQ(bubble.Label1->text(), "ABC          A");  // back at the start
    EXPECT_FLOAT_EQ(bubble.scrollPosition(), 1.0f);

    // A new text keeps the position; a long one shows 30 characters of it.
    tip = "0123456789abcdefghijklmnopqrstuvwxyz";
    platform.loop.advance(100);
    EXPECT_FLOAT_EQ(bubble.scrollPosition(), 2.0f);
    EXPECT_EQ(bubble.Label1->text(), "123456789abcdefghijklmnopqrstu");
}

}  // namespace
