// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

#include <optional>

namespace glimmer {

// Colours as the layouts store them: &H00BBGGRR for a plain colour, or the top bit set and a
// system colour code in the low byte.
using OleColour = quint32;

namespace sys {
inline constexpr OleColour Window = 0x80000005;
inline constexpr OleColour WindowText = 0x80000008;
inline constexpr OleColour Highlight = 0x8000000D;
inline constexpr OleColour HighlightText = 0x8000000E;
inline constexpr OleColour ButtonFace = 0x8000000F;
inline constexpr OleColour ButtonShadow = 0x80000010;
inline constexpr OleColour GrayText = 0x80000011;
inline constexpr OleColour ButtonText = 0x80000012;
inline constexpr OleColour ButtonHighlight = 0x80000014;  // the 3-D highlight
inline constexpr OleColour InfoText = 0x80000017;
inline constexpr OleColour InfoBackground = 0x80000018;
}  // namespace sys

// The colour `colour` stands for with `palette`: system colours through one table of palette
// roles, plain colours as they are. Nothing for a value that names no colour.
std::optional<QColor> translate(OleColour colour, const QPalette& palette);
// The same, black for a value that names no colour, as painting does.
QColor translateOrBlack(OleColour colour, const QPalette& palette);
// The plain &H00BBGGRR value of a colour.
OleColour plainColour(QColor colour);

// The integer nearest to `x`, halves going to the even integer; values beyond the range of
// int are held at its ends and a NaN gives 0.
int nearest(double x);
// The largest integer not above `x`, held within the range of int as nearest() is.
int floorInt(double x);

}  // namespace glimmer
