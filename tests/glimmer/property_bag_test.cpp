// SPDX-License-Identifier: MIT
#include "glimmer/controls/property_bag.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using glimmer::PropertyBag;
using Colour = PropertyBag::Colour;

TEST(PropertyBag, NamesMatchWithoutCaseAndAreKeptInLowerCaseInWritingOrder) {
    PropertyBag bag;
    bag.write(QStringLiteral("UseGradientColors"), true, false);
    bag.write(QStringLiteral("Value"), 12.5f, 50.0f);
    bag.write(QStringLiteral("Caption"), QStringLiteral("Hi"), QString());
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("usegradientcolors"),
                                        QStringLiteral("value"), QStringLiteral("caption")}));
    EXPECT_TRUE(bag.readBool(QStringLiteral("USEGRADIENTCOLORS"), false));
    EXPECT_EQ(bag.readSingle(QStringLiteral("vAlUe"), 50), 12.5f);
    // Writing a name again replaces its value in place.
    bag.write(QStringLiteral("VALUE"), 7.0f, 50.0f);
    EXPECT_EQ(bag.names().indexOf(QStringLiteral("value")), 1);
    EXPECT_EQ(bag.readSingle(QStringLiteral("Value"), 50), 7.0f);
}

TEST(PropertyBag, DefaultsAreNeitherWrittenNorKeptAndMissingNamesReadAsTheDefault) {
    PropertyBag bag;
    bag.write(QStringLiteral("Min"), 0.0f, 0.0f);
    EXPECT_TRUE(bag.isEmpty());
    bag.write(QStringLiteral("Max"), 80.0f, 100.0f);
    bag.write(QStringLiteral("Max"), 100.0f, 100.0f);  // back to the default: the entry goes
    EXPECT_TRUE(bag.isEmpty());
    EXPECT_EQ(bag.readSingle(QStringLiteral("Max"), 100), 100.0f);
    EXPECT_EQ(bag.readText(QStringLiteral("Caption"), QStringLiteral("Label1")),
              QStringLiteral("Label1"));
    EXPECT_EQ(bag.readColour(QStringLiteral("BackColor"), 0x8000000F), 0x8000000Fu);
}

TEST(PropertyBag, NumbersConvertBetweenKindsAndOtherMismatchesReadAsTheDefault) {
    PropertyBag bag;
    bag.write(QStringLiteral("i"), qint32{-1}, qint32{0});
    bag.write(QStringLiteral("c"), Colour{0x80000012}, Colour{0});
    bag.write(QStringLiteral("t"), QStringLiteral("12"), QString());
    EXPECT_TRUE(bag.readBool(QStringLiteral("i"), false));  // -1 is True
    EXPECT_EQ(bag.readSingle(QStringLiteral("i"), 5), -1.0f);
    EXPECT_EQ(bag.readColour(QStringLiteral("i"), 0), 0xFFFFFFFFu);
    EXPECT_EQ(bag.readInt(QStringLiteral("c"), 0), static_cast<qint32>(0x80000012));
    EXPECT_EQ(bag.readInt(QStringLiteral("t"), 3), 3);  // text is not a number
    EXPECT_EQ(bag.readText(QStringLiteral("i"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(bag.readFont(QStringLiteral("i"), QFont(QStringLiteral("Serif"))).family(),
              QStringLiteral("Serif"));
}

TEST(PropertyBag, PlainTextBringsEveryKindOfValueBack) {
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(1, 1, 2, 1, QColor(10, 200, 30));
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setBold(true);

    PropertyBag bag;
    bag.write(QStringLiteral("Caption"), QStringLiteral("Say \"hi\"\\\n\tnow"), QString());
    bag.write(QStringLiteral("Alignment"), qint32{-7}, qint32{0});
    bag.write(QStringLiteral("Value"), 0.1f, 50.0f);
    bag.write(QStringLiteral("Number"), 1.0 / 3.0, 0.0);
    bag.write(QStringLiteral("Autosize"), true, false);
    bag.write(QStringLiteral("WordWrap"), false, true);
    bag.write(QStringLiteral("ForeColor"), Colour{0x8000000D}, Colour{0});
    bag.write(QStringLiteral("Font"), font, QFont());
    bag.write(QStringLiteral("Picture"), picture.convertToFormat(QImage::Format_ARGB32), QImage());

    const QString text = bag.toText();
    EXPECT_TRUE(text.contains(QLatin1String("forecolor = &H8000000D&\n")));
    EXPECT_TRUE(text.contains(QLatin1String("autosize = True\n")));
    const auto back = PropertyBag::fromText(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->names(), bag.names());
    EXPECT_EQ(back->readText(QStringLiteral("caption"), {}), QStringLiteral("Say \"hi\"\\\n\tnow"));
    EXPECT_EQ(back->readInt(QStringLiteral("alignment"), 0), -7);
    EXPECT_EQ(back->readSingle(QStringLiteral("value"), 0), 0.1f);
    EXPECT_EQ(back->readDouble(QStringLiteral("number"), 0), 1.0 / 3.0);
    EXPECT_FALSE(back->readBool(QStringLiteral("wordwrap"), true));
    EXPECT_EQ(back->readFont(QStringLiteral("font"), {}).toString(), font.toString());
    EXPECT_EQ(back->readPicture(QStringLiteral("picture")).convertToFormat(QImage::Format_ARGB32),
              picture);
    EXPECT_EQ(*back, bag);
}

TEST(PropertyBag, HandWrittenLayoutsReadAndMalformedLinesAreNamed) {
    const auto bag = PropertyBag::fromText(
        QStringLiteral("' the top bar\n\n  Max = 85\nUseGradientColors = True\nvalue = 12.5!\n"));
    ASSERT_TRUE(bag.has_value());
    EXPECT_EQ(bag->readSingle(QStringLiteral("Max"), 100), 85.0f);
    EXPECT_EQ(bag->readSingle(QStringLiteral("Value"), 50), 12.5f);

    const struct {
        const char* text;
        const char* error;
    } bad[] = {
        {"max = 85\nmin = \"open", "line 2: \"min = \"open\" is not a setting"},
        {"caption = \"a\" \"b\"", "line 1: \"caption = \"a\" \"b\"\" is not a setting"},
        {"max = 99999999999", "line 1: \"max = 99999999999\" is not a setting"},
        {"font = Font(\"\")", "line 1: \"font = Font(\"\")\" is not a setting"},
        {"picture = Picture(\"bm90IGEgcG5n\")",
         "line 1: \"picture = Picture(\"bm90IGEgcG5n\")\" is not a setting"},
        {"max = 1\nMAX = 2", "line 2: \"MAX\" is set twice"},
        {"= 3", "line 1: \"= 3\" is not a setting"},
    };
    for (const auto& c : bad) {
        QString error;
        EXPECT_FALSE(PropertyBag::fromText(QString::fromUtf8(c.text), &error).has_value())
            << c.text;
        EXPECT_EQ(error, QString::fromUtf8(c.error)) << c.text;
    }
}

}  // namespace
