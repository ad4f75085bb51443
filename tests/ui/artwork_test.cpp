// SPDX-License-Identifier: MIT
#include "ui/artwork.h"

#include <QIcon>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using ui::Art;

struct Expected {
    Art art;
    QSize size;
    bool button;  // has a pressed twin
};

// The sizes the windows are laid out for (twips / 15).
const Expected catalogue[] = {
    {Art::Background, {695, 314}, false},
    {Art::Browse, {24, 24}, true},
    {Art::Information, {24, 24}, true},
    {Art::TipsOn, {24, 24}, true},
    {Art::TipsOff, {24, 24}, true},
    {Art::Help, {24, 24}, true},
    {Art::Exit, {24, 24}, true},
    {Art::StartProcessing, {24, 24}, true},
    {Art::PromptOverwrite, {24, 24}, true},
    {Art::SameFolder, {24, 24}, true},
    {Art::Landscape, {24, 24}, true},
    {Art::ArrowUp, {11, 10}, true},
    {Art::ArrowDown, {11, 10}, true},
    {Art::LightRed, {12, 12}, false},
    {Art::LightGreen, {12, 12}, false},
    {Art::Progress1, {32, 32}, false},
    {Art::Progress2, {32, 32}, false},
    {Art::Progress3, {32, 32}, false},
    {Art::Logo, {32, 32}, false},
    {Art::Sample, {82, 71}, false},
    {Art::Error, {73, 81}, false},
    {Art::OpenFolder, {24, 24}, true},
    {Art::MyPictures, {32, 32}, true},
    {Art::Placeholder, {73, 81}, false},
    {Art::PickerHelp, {32, 32}, true},
    {Art::SplashPicture, {143, 84}, false},
    {Art::SplashStrip, {195, 21}, false},
    {Art::SplashMark, {21, 23}, false},
    {Art::SplashIcon, {32, 32}, false},
    {Art::MakerLogo, {137, 151}, false},
    {Art::BubbleBar, {221, 61}, false},
    {Art::BubbleMask, {234, 65}, false},
};

std::size_t colourCount(const QImage& image) {
    std::set<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            colours.insert(argb.pixel(x, y));
        }
    }
    return colours.size();
}

double opaqueShare(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return double(opaque) / (image.width() * image.height());
}

class EveryPicture : public ::testing::TestWithParam<Expected> {};

TEST_P(EveryPicture, IsDrawnAtItsNaturalSizeWithRealContent) {
    const Expected& expected = GetParam();
    EXPECT_EQ(ui::artSize(expected.art), expected.size);
    const QImage image = ui::artwork(expected.art).toImage();
    ASSERT_EQ(image.size(), expected.size);
    // a picture, not a flat square: antialiased shapes in several colours over most of it
    EXPECT_GE(colourCount(image), 8u);
    EXPECT_GT(opaqueShare(image), 0.1);
    EXPECT_EQ(ui::hasPressedTwin(expected.art), expected.button);
}

TEST_P(EveryPicture, IsDrawnAtOtherSizesAndForSharpScreens) {
    const Expected& expected = GetParam();
    const QSize twice = expected.size * 2;
    const QImage large = ui::artworkImage(expected.art, twice);
    ASSERT_EQ(large.size(), twice);
    EXPECT_GE(colourCount(large), 8u);

    const QImage odd = ui::artworkImage(expected.art, {40, 17});
    ASSERT_EQ(odd.size(), QSize(40, 17));
    EXPECT_GT(opaqueShare(odd), 0.1);

    const QPixmap sharp = ui::artwork(expected.art, false, {}, 2.0);
    EXPECT_EQ(sharp.size(), twice);
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), expected.size);
}

TEST_P(EveryPicture, PressedTwinDiffersOnlyForButtons) {
    const Expected& expected = GetParam();
    const QImage normal = ui::artwork(expected.art, false).toImage();
    const QImage pressed = ui::artwork(expected.art, true).toImage();
    ASSERT_EQ(pressed.size(), normal.size());
    EXPECT_EQ(normal != pressed, expected.button);
}

INSTANTIATE_TEST_SUITE_P(Artwork, EveryPicture, ::testing::ValuesIn(catalogue));

int lightness(QRgb pixel) {
    return QColor::fromRgba(pixel).lightness();
}

bool dark(const QImage& image, int x, int y) {
    return lightness(image.pixel(x, y)) < 110;
}

TEST(PressedTwin, IsSunkenWithItsSymbolShiftedNotMerelyDarker) {
    for (const Expected& expected : catalogue) {
        if (!expected.button) {
            continue;
        }
        SCOPED_TRACE(int(expected.art));
        const QImage normal = ui::artworkImage(expected.art, false, {});
        const QImage pressed = ui::artworkImage(expected.art, true, {});
        const int mid = normal.height() / 2;
        // the rim lit at the upper left when raised is shadowed when sunken, and the outline
        // darkens
        EXPECT_LT(lightness(pressed.pixel(1, mid)) + 25, lightness(normal.pixel(1, mid)));
        EXPECT_LT(lightness(pressed.pixel(0, mid)), lightness(normal.pixel(0, mid)));
        // the symbol moved: its pixels line up with the raised image one pixel down and right
        int same = 0;
        int shifted = 0;
        for (int y = 3; y < normal.height() - 3; ++y) {
            for (int x = 3; x < normal.width() - 3; ++x) {
                same += dark(pressed, x, y) == dark(normal, x, y) ? 1 : 0;
                shifted += dark(pressed, x + 1, y + 1) == dark(normal, x, y) ? 1 : 0;
            }
        }
        EXPECT_GE(shifted, same);
    }
}

TEST(StatusLights, AreRedAndGreenAtTheirCentre) {
    const QColor red = ui::artworkImage(Art::LightRed).pixelColor(6, 6);
    const QColor green = ui::artworkImage(Art::LightGreen).pixelColor(6, 6);
    EXPECT_GT(red.red(), 150);
    EXPECT_GT(red.red(), 2 * red.green());
    EXPECT_GT(red.red(), 2 * red.blue());
    EXPECT_GT(green.green(), 150);
    EXPECT_GT(green.green(), 2 * green.red());
    EXPECT_GT(green.green(), 2 * green.blue());
    EXPECT_EQ(red.alpha(), 255);
    EXPECT_EQ(green.alpha(), 255);
}

TEST(Background, HasDarkScreensOnTheGreyWindowWhereTheLabelsLie) {
    const QImage background = ui::artworkImage(Art::Background);
    // behind the big green titles, the previews and the yellow status labels: dark
    for (const QPoint at : {QPoint(97, 140), QPoint(177, 150), QPoint(408, 140), QPoint(518, 155),
                            QPoint(376, 302), QPoint(620, 302)}) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(at.x()).arg(at.y()).toStdString());
        EXPECT_LT(lightness(background.pixel(at)), 70);
    }
    // the window itself, outside and between the screens
    EXPECT_EQ(background.pixelColor(1, 150), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(background.pixelColor(349, 150), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(background.pixelColor(692, 150), QColor(0xC0, 0xC0, 0xC0));
}

TEST(Artwork, EmptyOrTooLargeSizesDoNotBreakIt) {
    EXPECT_EQ(ui::artwork(Art::Logo, false, {0, 0}).size(), QSize(32, 32));
    EXPECT_EQ(ui::artwork(Art::Logo, false, {-5, 10}).size(), QSize(32, 32));
    EXPECT_EQ(ui::artwork(Art::Logo, false, {}, 0.0).size(), QSize(32, 32));
    EXPECT_TRUE(ui::artworkImage(Art::Background, {200000, 200000}).isNull());
}

// A theme with one icon, standing in for the desktop's; Qt's theme settings are put back.
class DesktopTheme : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("probe/16x16/actions"));
        QFile index(dir.filePath(QStringLiteral("probe/index.theme")));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write(
            "[Icon Theme]\nName=probe\nDirectories=16x16/actions\n\n"
            "[16x16/actions]\nSize=16\nType=Fixed\n");
        index.close();
        QImage magenta(16, 16, QImage::Format_ARGB32);
        magenta.fill(QColor(255, 0, 255));
        ASSERT_TRUE(
            magenta.save(dir.filePath(QStringLiteral("probe/16x16/actions/folder-open.png"))));
        QIcon::setThemeSearchPaths({dir.path()});
        QIcon::setFallbackSearchPaths({});
        QIcon::setThemeName(QStringLiteral("probe"));
    }
    void TearDown() override {
        QIcon::setThemeName(themeName);
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setFallbackSearchPaths(fallbackPaths);
    }

    QTemporaryDir dir;
    const QString themeName = QIcon::themeName();
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QStringList fallbackPaths = QIcon::fallbackSearchPaths();
};

TEST_F(DesktopTheme, SuppliesTheSymbolOnOurButtonFace) {
    using ui::IconSource;
    const QImage themed =
        ui::artwork(Art::Browse, false, {}, 1.0, IconSource::DesktopTheme).toImage();
    EXPECT_EQ(themed.pixelColor(12, 12), QColor(255, 0, 255));
    EXPECT_EQ(themed.pixelColor(1, 12), ui::artworkImage(Art::Browse).pixelColor(1, 12));
    const QImage pressed =
        ui::artwork(Art::Browse, true, {}, 1.0, IconSource::DesktopTheme).toImage();
    EXPECT_EQ(themed.pixelColor(4, 4), QColor(255, 0, 255));
    EXPECT_NE(pressed.pixelColor(4, 4), QColor(255, 0, 255));  // shifted a pixel in
    EXPECT_EQ(pressed.pixelColor(5, 5), QColor(255, 0, 255));
}

TEST_F(DesktopTheme, FallsBackToOurDrawingForWhatTheThemeLacks) {
    using ui::IconSource;
    for (const Art art : {Art::Information, Art::TipsOn, Art::ArrowUp, Art::Logo}) {
        SCOPED_TRACE(int(art));
        EXPECT_EQ(ui::artwork(art, false, {}, 1.0, IconSource::DesktopTheme).toImage(),
                  ui::artworkImage(art));
    }
}

TEST_F(DesktopTheme, IsNotUsedUnlessMainChoosesIt) {
    ASSERT_EQ(ui::defaultIconSource(), ui::IconSource::Own);
    EXPECT_EQ(ui::artwork(Art::Browse).toImage(), ui::artworkImage(Art::Browse));
}

TEST(Artwork, ToolbarImagesNameTheirThemeIcons) {
    EXPECT_EQ(ui::artThemeNames(Art::Exit), QStringList{QStringLiteral("application-exit")});
    EXPECT_TRUE(ui::artThemeNames(Art::Browse).contains(QStringLiteral("folder-open")));
    EXPECT_TRUE(ui::artThemeNames(Art::Sample).isEmpty());
    EXPECT_TRUE(ui::artThemeNames(Art::LightGreen).isEmpty());
}

}  // namespace
