// SPDX-License-Identifier: MIT
// The maker's logo of the about window: a brindle coat (warm brown crossed by dark, wavy
// stripes) on a rounded tile, with the program's own logo on a white disc in its middle.

#include <QPainterPath>
#include <QRadialGradient>

#include "ui/artwork_paint.h"

namespace ui::paint {

void paintMakerLogo(QPainter& p) {
    const QRectF tile(2.5, 2.5, 131, 145);
    softShadow(p, tile, {2, 2.5});
    QPainterPath shape;
    shape.addRoundedRect(tile, 14, 14);

    QLinearGradient coat(tile.topLeft(), tile.bottomRight());
    coat.setColorAt(0, QColor(0xD8, 0x9A, 0x3E));
    coat.setColorAt(0.55, QColor(0xA8, 0x64, 0x22));
    coat.setColorAt(1, QColor(0x6A, 0x3C, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(coat);
    p.drawPath(shape);

    // The stripes run across the coat at a slant, each a little different, as on a brindle.
    p.save();
    p.setClipPath(shape);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const qreal x = -30 + i * 22;
        const qreal sway = (i % 3 - 1) * 6;
        QPainterPath stripe;
        stripe.moveTo(x, -4);
        stripe.cubicTo(x + 18 + sway, 40, x - 8, 90, x + 22 - sway, 156);
        p.setPen(QPen(QColor(0x2A, 0x16, 0x08, 120 + (i % 2) * 40), 3.5 + (i % 3), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawPath(stripe);
    }
    p.restore();

    // A gloss over the upper half, lit from the upper left.
    QLinearGradient gloss(0, tile.top(), 0, tile.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(tile.adjusted(2, 2, -2, -tile.height() / 2), 12, 12);
    p.setPen(QPen(QColor(0x4A, 0x2A, 0x0E), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    // The disc with the program's logo.
    const QPointF centre = tile.center();
    const qreal radius = 44;
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    softShadow(p, disc, {2, 3});
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xE2, 0xE7, 0xEE));
    p.setPen(QPen(QColor(0x4A, 0x2A, 0x0E), 2));
    p.setBrush(face);
    p.drawEllipse(disc);
    p.save();
    p.translate(centre.x() - 16 * 2.2, centre.y() - 16 * 2.2);
    p.scale(2.2, 2.2);
    paintLogo(p);
    p.restore();
}

}  // namespace ui::paint
