// SPDX-License-Identifier: MIT
#include "glimmer/controls/shadow_label.h"

#include "control_fixture.h"
#include "support/widget_input.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

namespace {

using glimmer::Blend;
using glimmer::OleColour;
using glimmer::PropertyBag;
using glimmer::ShadowLabel;
using glimmer_test::rgb;

constexpr OleColour kWhite = 0x00FFFFFF;
constexpr OleColour kGreen = rgb(0x00FF00);
constexpr OleColour kDarkGreen = rgb(0x004000);

// A crisp font, so that each pixel is one copy's colour.
QFont crisp(int points = 28) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(points);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// The smallest rectangle holding every pixel of colour `c`.
QRect extentOf(const QImage& image, QRgb c) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000) == c) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

class ShadowLabelTest : public glimmer_test::ControlTest {
  protected:
    ShadowLabel* label(const QString& caption = QStringLiteral("I")) {
        auto* l = new ShadowLabel(services(), container.get());
        l->setObjectName(QStringLiteral("ShadowLabel1"));
        l->InitProperties();
        l->setGeometry(10, 10, 120, 60);
        l->show();
        l->setCaptionFont(crisp());
        l->setBackColor(kWhite);
        l->setShadowColor(kDarkGreen);
        l->setForeColor(kGreen);
        l->setCaption(caption);
        return l;
    }
};

TEST(Blend, GoesThePercentageOfTheWayWithHalvesToEvenAndHoldsThePercentage) {
    const QColor p(0, 0, 0);
    const QColor q(1, 3, 5);
    EXPECT_EQ(Blend(p, q, 0), p);
    EXPECT_EQ(Blend(p, q, 100), q);
    EXPECT_EQ(Blend(p, q, -20), p);
    EXPECT_EQ(Blend(p, q, 250), q);
    EXPECT_EQ(Blend(p, q, 50), QColor(0, 2, 2));  // 0.5, 1.5, 2.5
    EXPECT_EQ(Blend(QColor(0, 64, 0), QColor(255, 255, 255), 40), QColor(102, 140, 102));
}

TEST_F(ShadowLabelTest, EachRingOfTheShadowHasItsBlendAndTheTextItsOwnColour) {
    ShadowLabel* l = label();
    const QImage image = l->backBuffer();
    const QRgb text = 0xFF00FF00;
    const QRect glyph = extentOf(image, text);
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_GE(glyph.left(), 0);
    const QColor shadow(0, 0x40, 0);
    const QColor back(Qt::white);
    const int mid = glyph.center().y();
    for (int d = 1; d <= 3; ++d) {
        const QRgb ring = Blend(shadow, back, 20 + 20 * d).rgb();
        EXPECT_EQ(at(image, glyph.right() + d, glyph.bottom() + d), ring) << "ring " << d;
        EXPECT_EQ(at(image, glyph.right() + d, mid), ring) << "ring " << d;
        EXPECT_EQ(at(image, glyph.center().x(), glyph.bottom() + d), ring) << "ring " << d;
    }
    EXPECT_EQ(at(image, glyph.right() + 4, glyph.bottom() + 4), back.rgb());
    // Nothing lies above or to the left of the text.
    EXPECT_EQ(at(image, glyph.left() - 1, mid), back.rgb());
    EXPECT_EQ(at(image, glyph.center().x(), glyph.top() - 1), back.rgb());
}

TEST_F(ShadowLabelTest, DisabledGreysTheTextAndBlendsTheShadowFromGreyButStillClicks) {
    ShadowLabel* l = label();
    l->setCaptionEnabled(false);
    const QImage image = l->backBuffer();
    const QRect glyph = extentOf(image, glimmer_test::kGrayText);
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_TRUE(extentOf(image, 0xFF00FF00).isEmpty());
    EXPECT_EQ(at(image, glyph.right() + 1, glyph.bottom() + 1),
              Blend(QColor(glimmer_test::kGrayText), Qt::white, 40).rgb());

    int clicks = 0;
    QObject::connect(l, &ShadowLabel::Click, [&] { ++clicks; });
    testing_support::click(l->surface());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShadowLabelTest, AnEmptyCaptionOrAShadowInTheBackColourShowsOnlyTheBackground) {
    ShadowLabel* l = label(QString());
    EXPECT_TRUE(extentOf(l->backBuffer(), 0xFFFFFFFF) == l->backBuffer().rect());
    l->setCaption(QStringLiteral("I"));
    l->setShadowColor(kWhite);
    const QImage image = l->backBuffer();
    const QRect glyph = extentOf(image, 0xFF00FF00);
    const int greens = [&] {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += at(image, x, y) != 0xFFFFFFFF;
            }
        }
        return n;
    }();
    EXPECT_EQ(greens, glyph.width() * glyph.height());  // an I is a solid bar
}

TEST_F(ShadowLabelTest, RightAlignmentEndsTheTextSixPixelsInsideTheRightEdge) {
    ShadowLabel* l = label();
    l->setAlignment(1);
    const QFontMetrics metrics(crisp());
    const QRect glyph = extentOf(l->backBuffer(), 0xFF00FF00);
    // The text's advance ends at 120 - 6; the glyph stops its right bearing short of it.
    EXPECT_NEAR(glyph.left() - metrics.leftBearing(QLatin1Char('I')) +
                    metrics.horizontalAdvance(QLatin1Char('I')),
                120 - 6, 1);
    EXPECT_LT(glyph.right(), 120 - 6);
    l->setAlignment(7);  // draws as left
    EXPECT_EQ(extentOf(l->backBuffer(), 0xFF00FF00).left(), metrics.leftBearing(QLatin1Char('I')));
}

TEST_F(ShadowLabelTest, AutosizeFitsTheSingleLineExtentPlusThreeEvenWithWordWrapOn) {
    ShadowLabel* l = label(QStringLiteral("Corvel Thumbnail Utility"));
    ASSERT_TRUE(l->wordWrap());
    l->setAutosize(true);
    const QFontMetrics metrics(crisp());
    EXPECT_EQ(l->height(), metrics.height() + 3);
    EXPECT_GE(l->width(), metrics.horizontalAdvance(l->caption()) + 3 - 1);
    EXPECT_EQ(l->backBuffer().size(), l->size());
    // The whole text is drawn into the resized control: its shadow reaches the bottom row.
    EXPECT_FALSE(extentOf(l->backBuffer(), 0xFF00FF00).isEmpty());
}

// A container that keeps the label wider than its text answers every autosize with a resize
// of its own: Redraw must not follow it round without end.
TEST_F(ShadowLabelTest, AutosizeInAContainerThatKeepsResizingEnds) {
    ShadowLabel* l = label(QStringLiteral("Corvel"));
    struct Nudger : QObject {
        int resizes = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* w = static_cast<QWidget*>(watched);
            if (event->type() == QEvent::Resize && w->width() < 500 && ++resizes < 1000) {
                w->resize(500, w->height());
            }
            return false;
        }
    } nudger;
    l->installEventFilter(&nudger);
    l->setAutosize(true);
    EXPECT_LT(nudger.resizes, 3);
    EXPECT_FALSE(extentOf(l->backBuffer(), 0xFF00FF00).isEmpty());
    l->removeEventFilter(&nudger);
}

TEST_F(ShadowLabelTest, SettingTheCaptionRaisesChangeOnceEvenWhenItIsTheSame) {
    ShadowLabel* l = label(QStringLiteral("Same"));
    QStringList events;
    QObject::connect(l, &ShadowLabel::PropertyChanged, [&](const QString& n) { events << n; });
    QObject::connect(l, &ShadowLabel::Change, [&] { events << QStringLiteral("Change"); });
    l->setCaption(QStringLiteral("Same"));
    EXPECT_EQ(events, (QStringList{QStringLiteral("Caption"), QStringLiteral("Change")}));
}

TEST_F(ShadowLabelTest, MouseEventsCarryButtonShiftAndControlPixels) {
    ShadowLabel* l = label();
    QStringList seen;
    const auto record = [&](const char* what) {
        return [&seen, what](short b, short s, float x, float y) {
            seen << QStringLiteral("%1 %2 %3 %4,%5")
                        .arg(QLatin1String(what))
                        .arg(b)
                        .arg(s)
                        .arg(x)
                        .arg(y);
        };
    };
    QObject::connect(l, &ShadowLabel::MouseDown, record("down"));
    QObject::connect(l, &ShadowLabel::MouseMove, record("move"));
    QObject::connect(l, &ShadowLabel::MouseUp, record("up"));
    QObject::connect(l, &ShadowLabel::Click, [&] { seen << QStringLiteral("click"); });
    QObject::connect(l, &ShadowLabel::DblClick, [&] { seen << QStringLiteral("dblclick"); });
    QWidget* s = l->surface();
    const auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held,
                          Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(p), s->mapToGlobal(QPointF(p)), b, held, mods);
        QApplication::sendEvent(s, &e);
    };
    send(QEvent::MouseButtonPress, {7, 9}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseMove, {8, 9}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    send(QEvent::MouseButtonRelease, {8, 10}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, {8, 10}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {8, 10}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, {1, 2}, Qt::RightButton, Qt::RightButton, Qt::AltModifier);
    send(QEvent::MouseButtonRelease, {1, 2}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("down 1 1 7,9"), QStringLiteral("move 1 2 8,9"),
                                 QStringLiteral("up 1 0 8,10"), QStringLiteral("click"),
                                 QStringLiteral("dblclick"), QStringLiteral("up 1 0 8,10"),
                                 QStringLiteral("down 2 4 1,2"), QStringLiteral("up 2 0 1,2")}));
}

TEST_F(ShadowLabelTest, SavedSettingsComeBackAndDefaultsAreNotWritten) {
    ShadowLabel fresh(services(), container.get());
    fresh.setObjectName(QStringLiteral("lblProductName"));
    fresh.InitProperties();
    PropertyBag empty;
    fresh.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    ShadowLabel* l = label(QStringLiteral("Version: 2.4"));
    l->setAlignment(2);
    l->setAutosize(true);
    l->setWordWrap(false);
    l->setCaptionEnabled(false);
    PropertyBag bag;
    l->WriteProperties(bag);
    EXPECT_EQ(bag.names(),
              (QStringList{"caption", "alignment", "autosize", "forecolor", "backcolor",
                           "shadowcolor", "wordwrap", "font", "enabled"}));
    auto text = PropertyBag::fromText(bag.toText());
    ASSERT_TRUE(text.has_value());
    ShadowLabel back(services(), container.get());
    back.setObjectName(QStringLiteral("ShadowLabel1"));
    back.ReadProperties(*text);
    EXPECT_EQ(back.caption(), QStringLiteral("Version: 2.4"));
    EXPECT_EQ(back.alignment(), 2);
    EXPECT_TRUE(back.autosize());
    EXPECT_FALSE(back.wordWrap());
    EXPECT_EQ(back.foreColor(), kGreen);
    EXPECT_EQ(back.backColor(), kWhite);
    EXPECT_EQ(back.shadowColor(), kDarkGreen);
    EXPECT_EQ(back.captionFont().toString(), crisp().toString());
    EXPECT_FALSE(back.captionEnabled());
    PropertyBag again;
    back.WriteProperties(again);
    EXPECT_EQ(again, bag);
}

}  // namespace
