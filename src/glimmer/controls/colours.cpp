// SPDX-License-Identifier: MIT
#include "glimmer/controls/colours.h"

#include <cmath>
#include <limits>

namespace glimmer {

namespace {

struct SystemColour {
    int code;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours the controls use, and the palette role each one stands for here.
constexpr SystemColour systemColours[] = {
    {5, QPalette::Active, QPalette::Base},              // window background
    {8, QPalette::Active, QPalette::Text},              // window text
    {13, QPalette::Active, QPalette::Highlight},        // selected item background
    {14, QPalette::Active, QPalette::HighlightedText},  // selected item text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::WindowText},     // grey (disabled) text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {20, QPalette::Active, QPalette::Light},            // 3-D highlight
    {21, QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {22, QPalette::Active, QPalette::Midlight},         // 3-D light
    {23, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
};

int clampToInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x <= std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (x >= std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(x);
}

}  // namespace

std::optional<QColor> translate(OleColour colour, const QPalette& palette) {
    const quint32 kind = colour >> 24;
    if (kind == 0x00) {
        return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    }
    if (kind != 0x80 || (colour & 0x00FFFF00) != 0) {
        return std::nullopt;
    }
    const int code = static_cast<int>(colour & 0xFF);
    for (const SystemColour& s : systemColours) {
        if (s.code == code) {
            const QColor c = palette.color(s.group, s.role);
            return QColor(c.red(), c.green(), c.blue());
        }
    }
    return std::nullopt;
}

QColor translateOrBlack(OleColour colour, const QPalette& palette) {
    return translate(colour, palette).value_or(QColor(Qt::black));
}

OleColour plainColour(QColor colour) {
    return static_cast<OleColour>(colour.red()) | static_cast<OleColour>(colour.green()) << 8 |
           static_cast<OleColour>(colour.blue()) << 16;
}

int nearest(double x) {
    // The default floating-point rounding mode rounds halves to even.
    return clampToInt(std::nearbyint(x));
}

int floorInt(double x) {
    return clampToInt(std::floor(x));
}

}  // namespace glimmer
