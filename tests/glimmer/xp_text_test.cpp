// SPDX-License-Identifier: MIT
#include "glimmer/controls/xp_text.h"

#include "control_fixture.h"
#include "glimmer/controls/number_text.h"
#include "support/widget_input.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <limits>

namespace {

using glimmer::PropertyBag;
using glimmer::XPText;
using glimmer_test::rgb;

constexpr QRgb kRest = 0xFF7F9DB9;
constexpr QRgb kFocus = 0xFFB0D0F0;
constexpr QRgb kDisabled = 0xFFBFA780;

class XPTextTest : public glimmer_test::ControlTest {
  protected:
    XPText* box(const QString& name = QStringLiteral("XPText1")) {
        auto* t = new XPText(services(), container.get());
        t->setObjectName(name);
        ui::Twips(platform.screen).place(t, 300, 300, 2000, 330);
        t->InitProperties();
        t->show();
        return t;
    }
    // The frame colour on the four sides, or 0 when the sides differ.
    static QRgb frame(const XPText* t) {
        const QImage& img = t->backBuffer();
        const int w = img.width();
        const int h = img.height();
        const QRgb top = at(img, w / 2, 0);
        const bool same = at(img, 0, h / 2) == top && at(img, w - 1, h / 2) == top &&
                          at(img, w / 2, h - 1) == top && at(img, 0, 0) == top &&
                          at(img, w - 1, h - 1) == top;
        return same ? top : 0;
    }
    static void focus(QWidget* w, QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent e(type, reason);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(XPTextTest, TheBoxSitsSixtyTwipsInsideAOnePixelFrame) {
    XPText* t = box();
    const ui::Twips twips(platform.screen);
    EXPECT_EQ(twips.left(t->MyTxt()), 60);
    EXPECT_EQ(twips.top(t->MyTxt()), 60);
    EXPECT_EQ(twips.width(t->MyTxt()), 1880);
    EXPECT_EQ(twips.height(t->MyTxt()), 210);
    EXPECT_EQ(kRest, frame(t));
    // Inside the frame the surface is white.
    EXPECT_EQ(at(t->backBuffer(), 2, 2), 0xFFFFFFFF);
    EXPECT_EQ(t->backBuffer().size(), QSize(133, 22));
}

TEST_F(XPTextTest, TheFrameTakesTheFocusColourWhileTheBoxHasTheFocus) {
    XPText* t = box();
    focus(t->MyTxt(), QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(frame(t), kFocus);
    focus(t->MyTxt(), QEvent::FocusOut, Qt::PopupFocusReason);  // its own menu opened
    EXPECT_EQ(frame(t), kFocus);
    focus(t->MyTxt(), QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(frame(t), kRest);

    t->setBorderColorFocus(rgb(0x112233));
    t->setBorderColor(rgb(0x445566));
    EXPECT_EQ(frame(t), 0xFF445566);
    focus(t->MyTxt(), QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(frame(t), 0xFF112233);
}

TEST_F(XPTextTest, DisablingDrawsTheDisabledFrameWhateverBorderColorSays) {
    XPText* t = box();
    t->setBorderColor(rgb(0x445566));
    t->setTextEnabled(false);
    EXPECT_EQ(frame(t), kDisabled);
    EXPECT_FALSE(t->MyTxt()->isEnabled());
    t->setTextEnabled(true);
    EXPECT_EQ(frame(t), kRest);
}

TEST_F(XPTextTest, AResizeKeepsTheBoxLockedAndDisabledAsItWasSet) {
    XPText* t = box();
    t->setLocked(true);
    t->setTextEnabled(false);
    ui::Twips(platform.screen).resize(t, 3000, 450);
    EXPECT_TRUE(t->locked());
    EXPECT_FALSE(t->textEnabled());
    EXPECT_EQ(frame(t), kDisabled);
    EXPECT_EQ(ui::Twips(platform.screen).width(t->MyTxt()), 2880);
}

TEST_F(XPTextTest, AlignmentsBeyondCentreReadAsLeft) {
    XPText* t = box();
    for (const auto& [set, read] : {std::pair{1, 1}, {2, 2}, {0, 0}, {5, 0}, {3, 0}}) {
        t->setAlignment(set);
        EXPECT_EQ(t->alignment(), read) << set;
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5 abc", 12.5},
        {"abc", 0},
        {"", 0},
        {" 1 2\t3\n4", 1234},
        {"-4.5e2x", -450},
        {"1D3", 1000},
        {"1e", 1},
        {"+.5", 0.5},
        {"1.2.3", 1.2},
        {"-", 0},
        {"&HFF", 255},
        {"&hffff", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H1FFFFFFFF", 8589934591.0},
        {"&O17", 15},
        {"&O177777", -1},
        {"&Hxyz", 0},
        {"&HFFFFFFFFFFFFFFFFFFFFFFFF", 79228162514264337593543950335.0},
        {"1e-999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(glimmer::leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    }
    const QString digits(400, QLatin1Char('9'));
    EXPECT_EQ(glimmer::leadingNumber(digits), std::numeric_limits<double>::max());
    EXPECT_EQ(glimmer::leadingNumber(QLatin1Char('-') + digits),
              -std::numeric_limits<double>::max());
}

TEST_F(XPTextTest, ValueReadsAndWritesTheText) {
    XPText* t = box();
    t->setText(QStringLiteral("12.5 abc"));
    EXPECT_EQ(t->value(), 12.5);
    t->setValue(3);
    EXPECT_EQ(t->text(), QStringLiteral("3"));
    t->setValue(0.25);
    EXPECT_EQ(t->value(), 0.25);
}

TEST_F(XPTextTest, ANewControlShowsTextAndThePartOfItsNameFromTheEleventhCharacter) {
    EXPECT_EQ(box(QStringLiteral("XPText1"))->text(), QStringLiteral("Text"));
    EXPECT_EQ(box(QStringLiteral("XPTextInput12"))->text(), QStringLiteral("Textt12"));
    XPText* t = box();
    EXPECT_EQ(ui::Twips(platform.screen).height(t), 330);
    EXPECT_EQ(t->borderColor(), XPText::kBorderColor);
    EXPECT_EQ(t->borderColorFocus(), XPText::kBorderColorFocus);
}

TEST_F(XPTextTest, KeyPressCanChangeOrDropTheKey) {
    XPText* t = box();
    t->setText(QString());
    QObject::connect(t, &XPText::KeyPress, [](short& key) {
        if (key == 'a') {
            key = 'b';
        } else if (key == 'x') {
            key = 0;
        }
    });
    testing_support::typeKeys(t->MyTxt(), QStringLiteral("axc"));
    EXPECT_EQ(t->text(), QStringLiteral("bc"));
}

TEST_F(XPTextTest, TheBoxRaisesChangeClickDoubleClickAndMovesInTwips) {
    XPText* t = box();
    QStringList seen;
    QObject::connect(t, &XPText::Change, [&] { seen << QStringLiteral("change"); });
    QObject::connect(t, &XPText::Click, [&] { seen << QStringLiteral("click"); });
    QObject::connect(t, &XPText::DblClick, [&] { seen << QStringLiteral("dblclick"); });
    QObject::connect(t, &XPText::MouseMove, [&](short b, short, float x, float y) {
        seen << QStringLiteral("move %1 %2,%3").arg(b).arg(x).arg(y);
    });
    t->setText(QStringLiteral("x"));
    testing_support::click(t->MyTxt(), {3, 4});
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(3, 4),
                    t->MyTxt()->mapToGlobal(QPointF(3, 4)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(t->MyTxt(), &dbl);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 5), t->MyTxt()->mapToGlobal(QPointF(2, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(t->MyTxt(), &move);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("change"), QStringLiteral("click"),
                                 QStringLiteral("dblclick"), QStringLiteral("move 0 30,75")}));
}

TEST_F(XPTextTest, SavedSettingsComeBackAndDefaultsAreNotWritten) {
    XPText plain(services(), container.get());
    PropertyBag empty;
    plain.ReadProperties(empty);
    plain.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    XPText* t = box();
    t->setAlignment(2);
    t->setForeColor(rgb(0x102030));
    t->setLocked(true);
    t->setMaxLength(12);
    t->setPasswordChar(QStringLiteral("*"));
    t->setText(QStringLiteral("42 apples"));
    t->setToolTipText(QStringLiteral("How many"));
    t->setBorderColor(rgb(0x445566));
    t->setBorderColorFocus(rgb(0x112233));
    t->setTextEnabled(false);
    PropertyBag bag;
    t->WriteProperties(bag);
    EXPECT_EQ(bag.readDouble(QStringLiteral("Value"), 0), 42.0);
    QStringList written{"alignment", "enabled",      "forecolor",      "locked",
                        "maxlength", "passwordchar", "text",           "tooltiptext",
                        "value",     "bordercolor",  "bordercolorover"};
    // A new box asks for Verdana: written where the desktop has it or a stand-in for it, since
    // it then differs from the container's font.
    if (t->textFont() != plain.textFont()) {
        written.insert(2, QStringLiteral("font"));
    }
    EXPECT_EQ(bag.names(), written);

    auto text = PropertyBag::fromText(bag.toText());
    ASSERT_TRUE(text.has_value());
    XPText back(services(), container.get());
    back.ReadProperties(*text);
    EXPECT_EQ(back.alignment(), 2);
    EXPECT_EQ(back.foreColor(), rgb(0x102030));
    EXPECT_TRUE(back.locked());
    EXPECT_EQ(back.maxLength(), 12);
    EXPECT_EQ(back.passwordChar(), QStringLiteral("*"));
    EXPECT_EQ(back.MyTxt()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(back.text(), QStringLiteral("42 apples"));
    EXPECT_EQ(back.toolTipText(), QStringLiteral("How many"));
    EXPECT_EQ(back.borderColor(), rgb(0x445566));
    EXPECT_EQ(back.borderColorFocus(), rgb(0x112233));
    EXPECT_FALSE(back.textEnabled());
    EXPECT_EQ(back.textFont().family(), t->textFont().family());
    PropertyBag again;
    back.WriteProperties(again);
    EXPECT_EQ(again, bag);
}

TEST_F(XPTextTest, EveryChangeIsMarkedUnderItsOwnNameAndFocusUnderBorderColorOver) {
    XPText* t = box();
    QStringList names;
    QObject::connect(t, &XPText::PropertyChanged, [&](const QString& n) { names << n; });
    t->setBorderColorFocus(rgb(0x112233));
    t->setSelStart(1);
    t->setValue(2);
    EXPECT_EQ(names, (QStringList{"BorderColorOver", "SelStart", "Value"}));
}

}  // namespace
