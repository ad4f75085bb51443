// SPDX-License-Identifier: MIT
// The helper tip bubble: its dark bar with the arrow at its lower left, and the mask that
// cuts the bubble's window to the same outline.

#include <QPainterPath>

#include "ui/artwork_paint.h"

namespace ui::paint {

namespace {

// The outline shared by the bar and the mask, in the bar's 221 x 61 box: a rounded bar over
// the labels, and an arrow from its lower left down towards the control the tip is about.
QPainterPath bubbleOutline() {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(0.5, 0.5, 220, 35), 9, 9);
    QPainterPath arrow;
    arrow.moveTo(14, 34);
    arrow.lineTo(40, 34);
    arrow.lineTo(7, 60);
    arrow.closeSubpath();
    return bar.united(arrow).simplified();
}

}  // namespace

void paintBubbleBar(QPainter& p) {
    const QPainterPath outline = bubbleOutline();
    p.setPen(QPen(QColor(0x6A, 0x74, 0x82), 1));
    p.setBrush(vertical(0, 61, QColor(0x1C, 0x22, 0x2B), Qt::black));
    p.drawPath(outline);
    // A faint sheen along the top, lit from the upper left like every other picture.
    QLinearGradient sheen(0, 1, 0, 14);
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(2, 1.5, 217, 13), 8, 6);
}

void paintBubbleMask(QPainter& p) {
    // The top-left pixel names the colour that is cut away, so the background fills it.
    p.fillRect(QRectF(0, 0, 234, 65), QColor(0xFF, 0x00, 0xFF));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawPath(bubbleOutline());
}

}  // namespace ui::paint
