// SPDX-License-Identifier: MIT
// The splash program's pictures: the big picture on its button, the film strip below it, the
// small mark above the logo bar, and its window icon.

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "ui/artwork_paint.h"

namespace ui::paint {

namespace {

// A four-pointed glint, the splash program's sign: thin rays with a bright core.
void glint(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QPainterPath star;
    const qreal waist = radius * 0.22;
    star.moveTo(centre + QPointF(0, -radius));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    QRadialGradient body(centre, radius);
    body.setColorAt(0, Qt::white);
    body.setColorAt(0.35, colour.lighter(130));
    body.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(star);
}

}  // namespace

// A full-size photo leaning back, its thumbnail in front, and glints where it shrinks.
void paintSplashPicture(QPainter& p) {
    const QRectF photo(-38, -27, 76, 54);
    p.save();
    p.translate(56, 42);
    p.rotate(-6);
    softShadow(p, photo, {2, 3});
    photoCard(p, photo, 3.5);
    p.restore();

    const QRectF thumbnail(96.5, 40.5, 34, 25);
    softShadow(p, thumbnail, {1.5, 2});
    photoCard(p, thumbnail, 2);

    p.setPen(QPen(palette::blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(88, 32), QPointF(101, 38));
    const QPointF head[] = {{95, 39.5}, {101, 38}, {97.5, 33}};
    p.drawPolyline(head, 3);

    glint(p, {118, 22}, 8, palette::blueLight);
    glint(p, {132, 33}, 4.5, palette::greenLight);
}

// A strip of film with five frames, each a small scene; row 14 stays dark, as the splash
// draws a rule across it.
void paintSplashStrip(QPainter& p) {
    const QRectF strip(0, 0, 195, 21);
    p.fillRect(strip, vertical(0, 21, palette::bezelTop, palette::bezelBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xF4, 0xF7));
    for (qreal x = 3; x < 195; x += 8) {
        p.drawRoundedRect(QRectF(x, 1.5, 4, 2), 0.8, 0.8);
        p.drawRoundedRect(QRectF(x, 16.5, 4, 2), 0.8, 0.8);
    }
    for (int frame = 0; frame < 5; ++frame) {
        const QRectF r(4 + frame * 38, 4.5, 35, 9);
        miniScene(p, r);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

// The mark over the logo bar: a glint on a small blue-to-green tile.
void paintSplashMark(QPainter& p) {
    const QRectF tile(1.5, 2.5, 18, 18);
    softShadow(p, tile, {1, 1});
    QLinearGradient face(tile.bottomLeft(), tile.topRight());
    face.setColorAt(0, QColor(0x00, 0xC0, 0x00));
    face.setColorAt(1, QColor(0x00, 0x00, 0xC0));
    p.setPen(QPen(QColor(0x10, 0x30, 0x40), 1));
    p.setBrush(face);
    p.drawRoundedRect(tile, 3, 3);
    glint(p, tile.center(), 8, QColor(0xC8, 0xF0, 0xFF));
}

// The splash program's window icon: a photo with a glint on its corner.
void paintSplashIcon(QPainter& p) {
    const QRectF photo(3.5, 8.5, 23, 18);
    softShadow(p, photo, {1, 1.5});
    photoCard(p, photo, 1.8);
    glint(p, {24, 8}, 7.5, palette::blueLight);
}

}  // namespace ui::paint
