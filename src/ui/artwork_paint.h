// SPDX-License-Identifier: MIT
#pragma once

// Drawing kit shared by the artwork files. Every painter works in the picture's natural
// pixels (artwork.cpp scales to the size asked for), so 1-unit lines on .5 coordinates are
// crisp at the natural size and at every whole multiple of it. Light comes from the upper
// left: highlights there, shade and shadows to the lower right.

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace ui::paint {

namespace palette {
// The window and the button faces
inline const QColor window{0xC0, 0xC0, 0xC0};
inline const QColor faceTop{0xFB, 0xFC, 0xFD};
inline const QColor faceBottom{0xD3, 0xD9, 0xE0};
inline const QColor facePressedTop{0xB4, 0xBC, 0xC5};
inline const QColor facePressedBottom{0xD0, 0xD6, 0xDD};
inline const QColor edge{0x7A, 0x84, 0x91};
inline const QColor edgePressed{0x4E, 0x58, 0x64};
inline const QColor ink{0x2B, 0x33, 0x3D};  // dark symbol strokes
// Paper, folders, sky and land
inline const QColor paperTop{0xFF, 0xFF, 0xFF};
inline const QColor paperBottom{0xE4, 0xE9, 0xEF};
inline const QColor paperEdge{0x6E, 0x7A, 0x88};
inline const QColor folderBack{0xD9, 0x9A, 0x22};
inline const QColor folderBackDark{0xB8, 0x7A, 0x12};
inline const QColor folderFront{0xFF, 0xD8, 0x70};
inline const QColor folderFrontDark{0xEE, 0xAE, 0x32};
inline const QColor folderEdge{0x8C, 0x5C, 0x0C};
inline const QColor skyTop{0x2F, 0x78, 0xD4};
inline const QColor skyBottom{0xB8, 0xDF, 0xFA};
inline const QColor sun{0xFF, 0xD3, 0x3A};
inline const QColor sunEdge{0xFF, 0xA8, 0x1C};
inline const QColor hillFar{0x7F, 0xBF, 0x5C};
inline const QColor hillNear{0x3A, 0x8E, 0x3C};
inline const QColor hillNearDark{0x24, 0x6A, 0x2C};
// Accents: the blue of information, the teal of help, the red of stop, the green of go
inline const QColor blue{0x2C, 0x6C, 0xD0};
inline const QColor blueLight{0x7C, 0xB4, 0xF7};
inline const QColor blueEdge{0x17, 0x46, 0x96};
inline const QColor teal{0x16, 0x93, 0x80};
inline const QColor tealLight{0x5E, 0xD6, 0xC0};
inline const QColor tealEdge{0x0C, 0x62, 0x55};
inline const QColor red{0xC8, 0x25, 0x1B};
inline const QColor redLight{0xFF, 0x7A, 0x68};
inline const QColor redEdge{0x86, 0x15, 0x0E};
inline const QColor green{0x1F, 0x9A, 0x2C};
inline const QColor greenLight{0x8A, 0xE8, 0x7A};
inline const QColor greenEdge{0x14, 0x66, 0x1C};
inline const QColor amber{0xF2, 0xA6, 0x12};
inline const QColor amberLight{0xFF, 0xDA, 0x5C};
inline const QColor amberEdge{0x9A, 0x5E, 0x04};
// The screens
inline const QColor bezelTop{0x50, 0x56, 0x5F};
inline const QColor bezelBottom{0x2A, 0x2E, 0x34};
inline const QColor bezelEdge{0x17, 0x1A, 0x1E};
inline const QColor glassTop{0x1E, 0x2A, 0x3B};
inline const QColor glassBottom{0x0B, 0x11, 0x1A};
}  // namespace palette

inline QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// A round glossy body (lights, badges, round buttons): lit top-left, with a soft highlight.
void glossyDisc(QPainter& p, QPointF centre, qreal radius, const QColor& light, const QColor& base,
                const QColor& edge);

// An outline width for `p`: one unit at small sizes, at most two device pixels when the
// picture is drawn large, so big renderings (the 256 px icon) keep fine edges.
qreal fineLine(const QPainter& p);

// A soft shadow of `r` cast by the upper-left light.
void softShadow(QPainter& p, const QRectF& r, QPointF offset);

// A sky with sun over two hills, filling `r` (clipped to it).
void miniScene(QPainter& p, const QRectF& r);

// A photo: white mount with a thin outline around a mini scene.
void photoCard(QPainter& p, const QRectF& r, qreal mount);

// A folder in `r`: the back with its tab, then (drawn separately, so a symbol can sit in
// between) the front, closed or opened towards the viewer.
void folderBack(QPainter& p, const QRectF& r);
void folderFront(QPainter& p, const QRectF& r, bool open);

// The symbols of the 24 x 24 buttons, drawn in a 24-unit box.
void paintBrowse(QPainter& p);
void paintInformation(QPainter& p);
void paintTipsOn(QPainter& p);
void paintTipsOff(QPainter& p);
void paintHelp(QPainter& p);
void paintExit(QPainter& p);
void paintStartProcessing(QPainter& p);
void paintPromptOverwrite(QPainter& p);
void paintSameFolder(QPainter& p);
void paintLandscape(QPainter& p);
void paintOpenFolder(QPainter& p);
void paintMyPictures(QPainter& p);
// The arrows in their 11 x 10 box.
void paintArrowUp(QPainter& p);
void paintArrowDown(QPainter& p);

// Whole pictures in their natural box.
void paintLightRed(QPainter& p);
void paintLightGreen(QPainter& p);
void paintBackground(QPainter& p);
void paintProgress(QPainter& p, int step);
void paintLogo(QPainter& p);
void paintSample(QPainter& p);
void paintError(QPainter& p);
void paintPlaceholder(QPainter& p);
void paintSplashPicture(QPainter& p);
void paintSplashStrip(QPainter& p);
void paintSplashMark(QPainter& p);
void paintSplashIcon(QPainter& p);
void paintMakerLogo(QPainter& p);
void paintBubbleBar(QPainter& p);
void paintBubbleMask(QPainter& p);

}  // namespace ui::paint
