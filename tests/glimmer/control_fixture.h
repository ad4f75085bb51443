// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/colours.h"
#include "support/test_platform.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace glimmer_test {

// The classic desktop colours, so that system colours give the same pixels everywhere.
QPalette fixedPalette();
inline constexpr QRgb kFace = 0xFFD4D0C8;      // button face (15)
inline constexpr QRgb kShadow = 0xFF808080;    // button shadow (16)
inline constexpr QRgb kGrayText = 0xFFACA899;  // grey text (17)
inline constexpr QRgb kButtonText = 0xFF000000;
inline constexpr QRgb kHighlight = 0xFF0A246A;

// A shown container window with the fixed palette; controls are placed in it.
class ControlTest : public ::testing::Test {
  protected:
    ControlTest();
    ~ControlTest() override;

    platform::Services services() { return platform.services(); }
    // The colour at (x, y) of an image, as 0xAARRGGBB with full alpha.
    static QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }
    // What the control looks like on screen, its child windows included.
    static QImage onScreen(QWidget* control);

    testing_support::TestPlatform platform;
    std::unique_ptr<QWidget> container;
};

// A plain &H00BBGGRR colour from #RRGGBB.
constexpr glimmer::OleColour rgb(quint32 rrggbb) {
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

}  // namespace glimmer_test
