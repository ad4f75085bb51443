// SPDX-License-Identifier: MIT
#include "glimmer/controls/lumen_command.h"

#include "control_fixture.h"
#include "ui/image.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>

namespace {

using glimmer::LumenCommand;
using glimmer::PropertyBag;
using glimmer_test::rgb;

constexpr QRgb kWhitePx = 0xFFFFFFFF;

class CommandTest : public glimmer_test::ControlTest {
  protected:
    // A new 100 x 40 pixel button with its default face, no caption.
    LumenCommand* button(int w = 100, int h = 40) {
        auto* b = new LumenCommand(services(), container.get());
        b->setObjectName(QStringLiteral("LumenCommand1"));
        b->InitProperties();
        b->setGeometry(20, 20, w, h);
        b->show();
        b->setCaption(QString());
        return b;
    }
    void mouse(LumenCommand* b, QEvent::Type type, QPoint at,
               Qt::MouseButton which = Qt::LeftButton, QWidget* part = nullptr) {
        QWidget* target = part ? part : b->surface();
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(which) : Qt::MouseButtons();
        QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : which, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    // Records the events a button raises.
    QStringList& record(LumenCommand* b) {
        const auto args = [this](const char* what) {
            return [this, what](short bt, short, float x, float y) {
                events
                    << QStringLiteral("%1 %2 %3,%4").arg(QLatin1String(what)).arg(bt).arg(x).arg(y);
            };
        };
        QObject::connect(b, &LumenCommand::MouseDown, args("down"));
        QObject::connect(b, &LumenCommand::MouseUp, args("up"));
        QObject::connect(b, &LumenCommand::Click, [this] { events << QStringLiteral("click"); });
        QObject::connect(b, &LumenCommand::DblClick,
                         [this] { events << QStringLiteral("dblclick"); });
        QObject::connect(b, &LumenCommand::MouseEnter,
                         [this] { events << QStringLiteral("enter"); });
        QObject::connect(b, &LumenCommand::MouseExit, [this] { events << QStringLiteral("exit"); });
        return events;
    }
    QStringList events;
};

TEST_F(CommandTest, TheFaceGradientRunsFromTheTopOrFromTheLeft) {
    LumenCommand* b = button();
    // White to #808080: each row takes 127 / 40 = 3.175 off, so the bottom row is one step
    // short of the end colour.
    EXPECT_EQ(at(b->backBuffer(), 5, 0), kWhitePx);
    EXPECT_EQ(at(b->backBuffer(), 5, 1), 0xFFFCFCFC);
    EXPECT_EQ(at(b->backBuffer(), 5, 39), 0xFF838383);
    EXPECT_EQ(at(b->backBuffer(), 99, 39), 0xFF838383);
    b->setGradientOrientation(1);
    EXPECT_EQ(at(b->backBuffer(), 0, 5), kWhitePx);
    EXPECT_EQ(at(b->backBuffer(), 99, 5), 0xFF818181);  // 255 - 99 x 1.27
    b->setUseGradientFill(false);
    EXPECT_EQ(at(b->backBuffer(), 50, 20), kWhitePx);  // the back colour of a new button
}

TEST_F(CommandTest, APressShiftsTheContentReversesTheGradientAndSinksTheBorder) {
    LumenCommand* b = button();
    mouse(b, QEvent::MouseButtonPress, {50, 20});
    const QImage& img = b->backBuffer();
    EXPECT_EQ(b->paintOffset(), 1);
    EXPECT_EQ(b->borderState(), 2);
    EXPECT_EQ(at(img, 5, 1), 0xFF838383);  // reversed: #808080 at the top, one step down
    // Sunken: the top and left edges in the button shadow, right and bottom in white.
    EXPECT_EQ(at(img, 5, 0), glimmer_test::kShadow);
    EXPECT_EQ(at(img, 0, 5), glimmer_test::kShadow);
    EXPECT_EQ(at(img, 99, 5), kWhitePx);
    EXPECT_EQ(at(img, 5, 39), kWhitePx);
    EXPECT_EQ(at(img, 0, 39), kWhitePx);
    EXPECT_EQ(at(img, 99, 0), kWhitePx);
    mouse(b, QEvent::MouseButtonRelease, {50, 20});
    EXPECT_EQ(b->borderState(), 1);  // raised while the mouse stays over it
    EXPECT_EQ(at(img, 5, 0), kWhitePx);
    EXPECT_EQ(at(img, 99, 5), glimmer_test::kShadow);
    EXPECT_EQ(at(img, 5, 1), 0xFFFCFCFC);
}

TEST_F(CommandTest, PressAndReleaseRaiseDownClickUpInThisOrder) {
    LumenCommand* b = button();
    record(b);
    mouse(b, QEvent::MouseMove, {10, 10});
    mouse(b, QEvent::MouseButtonPress, {10, 11});
    mouse(b, QEvent::MouseButtonRelease, {12, 11});
    mouse(b, QEvent::MouseButtonDblClick, {12, 11});
    mouse(b, QEvent::MouseButtonRelease, {12, 11});
    EXPECT_EQ(events, (QStringList{"enter", "down 1 10,11", "click", "up 1 12,11", "dblclick",
                                   "up 1 12,11"}));
}

TEST_F(CommandTest, MovingOffWhilePressedExitsToRestAndTheReleaseDoesNotClick) {
    LumenCommand* b = button();
    record(b);
    mouse(b, QEvent::MouseMove, {10, 10});
    mouse(b, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), b->surface());
    mouse(b, QEvent::MouseMove, {130, 10});
    EXPECT_FALSE(b->isHovering());
    EXPECT_FALSE(b->isPressed());
    EXPECT_EQ(b->borderState(), 0);
    EXPECT_EQ(b->paintOffset(), 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    mouse(b, QEvent::MouseButtonRelease, {130, 10});
    EXPECT_EQ(events, (QStringList{"enter", "down 1 10,10", "exit", "up 1 130,10"}));
    QWidget::mouseGrabber() ? QWidget::mouseGrabber()->releaseMouse() : void();
}

TEST_F(CommandTest, WithDontReleaseCaptureAReleaseAnywhereClicks) {
    LumenCommand* b = button();
    b->setDontReleaseCapture(true);
    record(b);
    mouse(b, QEvent::MouseButtonPress, {10, 10});
    mouse(b, QEvent::MouseMove, {300, 10});
    EXPECT_TRUE(b->isPressed());
    mouse(b, QEvent::MouseButtonRelease, {300, 10});
    EXPECT_EQ(events, (QStringList{"down 1 10,10", "click", "up 1 300,10"}));
    b->setDontReleaseCapture(false);
    mouse(b, QEvent::MouseMove, {300, 10});
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(CommandTest, ARightButtonPressLeavesTheFaceAndItsReleaseDoesNotClick) {
    LumenCommand* b = button();
    record(b);
    const QImage before = b->backBuffer().copy();
    mouse(b, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    EXPECT_EQ(b->backBuffer(), before);
    mouse(b, QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton);
    EXPECT_EQ(b->backBuffer(), before);
    EXPECT_EQ(events, (QStringList{"down 2 10,10", "up 2 10,10"}));
    b->surface()->releaseMouse();
}

TEST_F(CommandTest, ValueTrueClicksAndFalseDoesNothing) {
    LumenCommand* b = button();
    record(b);
    QStringList marked;
    QObject::connect(b, &LumenCommand::PropertyChanged, [&](const QString& n) { marked << n; });
    b->setValue(true);
    b->setValue(false);
    EXPECT_EQ(events, QStringList{"click"});
    EXPECT_TRUE(marked.isEmpty());
}

TEST_F(CommandTest, TheCaptionIsPlacedOnTheGrid) {
    LumenCommand* b = button();
    QFont font(QStringLiteral("Liberation Sans"), 10);
    b->setButtonFont(font);
    b->setCaption(QStringLiteral("Go"));
    const QFontMetrics fm(font);
    const int tw = fm.horizontalAdvance(QStringLiteral("Go"));
    const int th = fm.height();
    const struct {
        int alignment;
        int x;
        int y;
    } cases[] = {
        {0, 1, 1},
        {4, (100 - tw) / 2, (40 - th) / 2},
        {8, 100 - tw - 2, 40 - th - 1},  // right edge 2 and bottom edge 1 inside
        {2, 1, 40 - th - 1},
        {6, 100 - tw - 2, 1},
        {9, 0, 0},
    };
    for (const auto& c : cases) {
        b->setCaptionAlignment(c.alignment);
        EXPECT_EQ(b->captionX(), c.x) << c.alignment;
        EXPECT_EQ(b->captionY(), c.y) << c.alignment;
    }
    b->setCaptionAlignment(0);
    b->setCaptionXOffset(5);
    b->setCaptionYOffset(-1);
    EXPECT_EQ(b->captionX(), 6);
    EXPECT_EQ(b->captionY(), 0);
}

TEST_F(CommandTest, APictureLargerThanTheButtonIsCentredAtANegativePlace) {
    LumenCommand* b = button(137, 81);
    QImage picture(143, 84, QImage::Format_RGB32);
    picture.fill(QColor(200, 10, 10));
    b->setPictureAlignment(4);
    b->setPicture(picture);
    // 143 x 84 pixels read as 144.15 x 84.69 through the picture's metric size.
    EXPECT_EQ(b->pictureX(), -4);
    EXPECT_EQ(b->pictureY(), -2);
    EXPECT_EQ(b->imgPicture()->geometry(), QRect(-4, -2, 143, 84));
    const QImage screen = onScreen(b);
    EXPECT_EQ(at(screen, 0, 0), 0xFFC80A0A);
    EXPECT_EQ(at(screen, 136, 80), 0xFFC80A0A);
}

TEST_F(CommandTest, APressOnThePictureIsTheButtonsPressInItsOwnPixels) {
    LumenCommand* b = button();
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    b->setPicture(picture);  // alignment 1: left, middle
    record(b);
    mouse(b, QEvent::MouseButtonPress, {3, 4}, Qt::LeftButton, b->imgPicture());
    mouse(b, QEvent::MouseButtonRelease, {3, 4}, Qt::LeftButton, b->imgPicture());
    mouse(b, QEvent::MouseButtonDblClick, {3, 4}, Qt::LeftButton, b->imgPicture());
    EXPECT_EQ(events, (QStringList{"down 1 3,4", "click", "up 1 3,4", "dblclick"}));
    b->surface()->releaseMouse();
}

TEST_F(CommandTest, TheTipWindowExistsOnlyWhileTheMouseIsOverTheButton) {
    LumenCommand* b = button();
    mouse(b, QEvent::MouseMove, {10, 10});
    EXPECT_EQ(b->toolTipWindow(), nullptr);  // no tip text: no tip
    mouse(b, QEvent::MouseMove, {150, 10});

    b->setToolTip(QStringLiteral("Start the run"));
    b->setToolTipTitle(QStringLiteral("Corvel"));
    b->setToolTipIcon(1);
    b->setToolTipStyle(1);
    b->setToolTipBackColor(rgb(0x102030));
    mouse(b, QEvent::MouseMove, {10, 10});
    ASSERT_NE(b->toolTipWindow(), nullptr);
    glimmer::TipWindow* tip = b->toolTipWindow();
    EXPECT_FALSE(tip->isVisible());
    platform.loop.advance(500);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->look().title, QStringLiteral("Corvel"));
    EXPECT_EQ(tip->look().icon, glimmer::TipWindow::TitleIcon::Information);
    EXPECT_TRUE(tip->look().balloon);
    EXPECT_EQ(tip->look().background, QColor(0x10, 0x20, 0x30));
    b->setToolTip(QStringLiteral("Start now"));
    EXPECT_EQ(tip->text(), QStringLiteral("Start now"));
    mouse(b, QEvent::MouseMove, {150, 10});
    EXPECT_EQ(b->toolTipWindow(), nullptr);
    EXPECT_EQ(platform.loop.activeTimers(), 0);
}

TEST_F(CommandTest, HidingOrDestroyingTheButtonLetsGoOfTheMouseAndTheTip) {
    LumenCommand* b = button();
    b->setToolTip(QStringLiteral("Tip"));
    mouse(b, QEvent::MouseMove, {10, 10});
    ASSERT_EQ(QWidget::mouseGrabber(), b->surface());
    b->hide();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(b->toolTipWindow(), nullptr);
    EXPECT_EQ(b->borderState(), 0);
    b->show();
    mouse(b, QEvent::MouseMove, {10, 10});
    ASSERT_EQ(QWidget::mouseGrabber(), b->surface());
    delete b;
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(CommandTest, SettingAGradientColourToItsValueRepaintsNothing) {
    LumenCommand* b = button();
    b->surface()->image().setPixel(50, 20, qRgb(1, 2, 3));
    b->setGradientFromColor(b->gradientFromColor());
    b->setGradientToColor(b->gradientToColor());
    EXPECT_EQ(at(b->backBuffer(), 50, 20), 0xFF010203);
    b->setGradientFromColor(rgb(0xFF0000));
    EXPECT_NE(at(b->backBuffer(), 50, 20), 0xFF010203);
    EXPECT_EQ(at(b->backBuffer(), 50, 0), 0xFFFF0000);
}

TEST_F(CommandTest, FocusFromTheKeyboardLeavesTheRestStateAndFromTheMouseDrawsNothing) {
    LumenCommand* b = button();
    b->setGradientFromColor(rgb(0xFF0000));
    const auto focus = [&](QEvent::Type type) {
        QFocusEvent e(type, Qt::TabFocusReason);
        QApplication::sendEvent(b->surface(), &e);
    };
    focus(QEvent::FocusIn);
    EXPECT_EQ(b->borderState(), 0);
    EXPECT_EQ(at(b->backBuffer(), 50, 0), kWhitePx);  // the rest border in the back colour
    focus(QEvent::FocusOut);
    EXPECT_EQ(at(b->backBuffer(), 50, 0), kWhitePx);
    EXPECT_EQ(at(b->backBuffer(), 50, 1), 0xFFFC0303);

    b->PaintFace(0, false);
    mouse(b, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);  // a press is under way
    focus(QEvent::FocusIn);
    EXPECT_EQ(at(b->backBuffer(), 50, 0), 0xFFFF0000);
    mouse(b, QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton);
    b->surface()->releaseMouse();
}

TEST_F(CommandTest, EachThreeDStyleGivesItsFrame) {
    LumenCommand* b = button();
    for (const auto& [style, frame] : {std::pair{1, 2}, {2, 3}, {3, 1}, {4, 5}, {7, 5}, {0, 0}}) {
        b->setBorder3DStyle(style);
        EXPECT_EQ(b->surfaceSize(), QSize(100 - 2 * frame, 40 - 2 * frame)) << style;
    }
    b->setBorder3DStyle(3);
    const QImage screen = onScreen(b);
    EXPECT_EQ(at(screen, 50, 0), glimmer_test::kShadow);
    EXPECT_EQ(at(screen, 50, 39), kWhitePx);
}

TEST_F(CommandTest, SavedSettingsComeBackWithoutDefaultsOrTheCentredTip) {
    LumenCommand plain(services(), container.get());
    PropertyBag empty;
    plain.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    LumenCommand* b = button();
    PropertyBag fresh;
    b->WriteProperties(fresh);
    // A new button starts white with the custom pointer, which are no defaults for saving;
    // its caption was set empty above.
    EXPECT_EQ(fresh.names(), (QStringList{"caption", "backcolor", "mousepointer"}));

    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    b->setCaption(QStringLiteral("Go"));
    b->setCaptionAlignment(8);
    b->setCaptionXOffset(2);
    b->setCaptionYOffset(-3);
    b->setUseHoverProperties(false);
    b->setFontBoldOnHover(true);
    b->setFontColorOnHover(rgb(0x00FF00));
    b->setForeColor(rgb(0x123456));
    b->setButtonFont(QFont(QStringLiteral("Liberation Sans"), 12));
    b->setPicture(picture);
    b->setPictureAlignment(4);
    b->setPictureXOffset(1);
    b->setPictureYOffset(2);
    b->setAlwaysShowBorder(true);
    b->setToolTip(QStringLiteral("Tip"));
    b->setToolTipTitle(QStringLiteral("Title"));
    b->setToolTipBackColor(rgb(0x010203));
    b->setToolTipForeColor(rgb(0x040506));
    b->setToolTipIcon(3);
    b->setToolTipStyle(1);
    b->setToolTipCentered(true);
    b->setBorder3DStyle(2);
    b->setGradientOrientation(1);
    b->setUseGradientFill(false);
    b->setGradientFromColor(rgb(0xFF0000));
    b->setGradientToColor(rgb(0x0000FF));
    b->setGradientInverseOnPress(false);
    b->setButtonEnabled(false);
    PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_FALSE(bag.contains(QStringLiteral("ToolTipCentered")));
    EXPECT_EQ(bag.names().size(), 29);

    auto text = PropertyBag::fromText(bag.toText());
    ASSERT_TRUE(text.has_value());
    LumenCommand back(services(), container.get());
    back.setObjectName(QStringLiteral("LumenCommand1"));
    back.ReadProperties(*text);
    PropertyBag again;
    back.WriteProperties(again);
    EXPECT_EQ(again, bag);
    EXPECT_EQ(back.caption(), QStringLiteral("Go"));
    EXPECT_FALSE(back.buttonEnabled());
    EXPECT_EQ(back.picture().convertToFormat(QImage::Format_RGB32), picture);
    LumenCommand centred(services(), container.get());
    centred.ReadProperties(*text);
    EXPECT_FALSE(centred.toolTipCentered());
}

}  // namespace
