// SPDX-License-Identifier: MIT
// The larger pictures: the window background, the sample, the error and preview pictures,
// the logo and the progress animation.

#include <QFont>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/artwork_paint.h"

namespace ui::paint {

namespace {

// Where the window puts its controls decides the screens: the source previews centre on
// x 177, the thumbnail preview on (518, 155); the status lights and their labels stand in a
// row at y 296..310, in the right screen's lower bezel.
struct Screen {
    QRectF outer;  // the bezel, on half pixels so its outline is crisp
    QRectF glass;  // the dark screen inside it, on whole pixels
    const char* caption;
};

const Screen screens[] = {
    {{7.5, 2.5, 339, 309}, {13, 16, 328, 275}, "Source Images"},
    {{351.5, 2.5, 334, 309}, {357, 16, 323, 275}, "Thumbnail Images"},
};

void bezel(QPainter& p, const QRectF& outer) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(outer.translated(1.5, 1.5), 6, 6);

    p.setPen(QPen(palette::bezelEdge, 1));
    p.setBrush(vertical(outer.top(), outer.bottom(), palette::bezelTop, palette::bezelBottom));
    p.drawRoundedRect(outer, 6, 6);

    QLinearGradient rim(outer.topLeft(), outer.bottomRight());
    rim.setColorAt(0, QColor(255, 255, 255, 90));
    rim.setColorAt(0.4, QColor(255, 255, 255, 20));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(rim), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 5, 5);
}

void glass(QPainter& p, const QRectF& g) {
    p.fillRect(g, vertical(g.top(), g.bottom(), palette::glassTop, palette::glassBottom));

    // a faint glow in the middle, so the screen reads as lit glass rather than a flat fill
    QRadialGradient glow(g.center(), g.width() * 0.62);
    glow.setColorAt(0, QColor(0x40, 0x5A, 0x7A, 55));
    glow.setColorAt(1, QColor(0x40, 0x5A, 0x7A, 0));
    p.fillRect(g, glow);

    // the reflection of the window light on the glass
    QPainterPath sheen(g.topLeft());
    sheen.lineTo(g.left() + g.width() * 0.5, g.top());
    sheen.lineTo(g.left(), g.top() + g.height() * 0.55);
    sheen.closeSubpath();
    QLinearGradient fade(g.topLeft(), g.topLeft() + QPointF(g.width() * 0.22, g.height() * 0.3));
    fade.setColorAt(0, QColor(255, 255, 255, 22));
    fade.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPath(sheen);

    // set into the bezel: shadowed along the top and left, a fine light edge below and right
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 190), 1));
    p.drawLine(QPointF(g.left() + 0.5, g.bottom() - 0.5), QPointF(g.left() + 0.5, g.top() + 0.5));
    p.drawLine(QPointF(g.left() + 0.5, g.top() + 0.5), QPointF(g.right() - 0.5, g.top() + 0.5));
    p.setPen(QPen(QColor(255, 255, 255, 45), 1));
    p.drawLine(QPointF(g.left() + 1, g.bottom() + 0.5), QPointF(g.right() + 0.5, g.bottom() + 0.5));
    p.drawLine(QPointF(g.right() + 0.5, g.top() + 1), QPointF(g.right() + 0.5, g.bottom() + 0.5));
}

void caption(QPainter& p, const Screen& screen) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(9);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(font);
    const QRectF strip(screen.glass.left() + 3, screen.outer.top() + 1, screen.glass.width() - 6,
                       screen.glass.top() - screen.outer.top() - 1);
    const QString text = QString::fromLatin1(screen.caption);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(strip.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QColor(0xC4, 0xCC, 0xD6));
    p.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A recessed strip in the lower bezel that holds a row of lights and their labels.
void statusGroove(QPainter& p, const Screen& screen) {
    const QRectF groove(screen.glass.left() + 0.5, screen.glass.bottom() + 3.5,
                        screen.glass.width() - 1, 16);
    p.setPen(QPen(QColor(0x14, 0x17, 0x1B), 1));
    p.setBrush(vertical(groove.top(), groove.bottom(), QColor(0x1C, 0x20, 0x25),
                        QColor(0x2A, 0x2F, 0x35)));
    p.drawRoundedRect(groove, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(QPointF(groove.left() + 3, groove.bottom() + 1),
               QPointF(groove.right() - 3, groove.bottom() + 1));
}

}  // namespace

void paintBackground(QPainter& p) {
    p.fillRect(QRectF(0, 0, 695, 314), palette::window);
    for (const Screen& screen : screens) {
        bezel(p, screen.outer);
        glass(p, screen.glass);
        caption(p, screen);
        statusGroove(p, screen);
    }
}

namespace {

void cloud(QPainter& p, QPointF at, qreal scale) {
    QPainterPath puff;
    puff.addEllipse(at + QPointF(-6, 0) * scale, 4.5 * scale, 3.2 * scale);
    puff.addEllipse(at + QPointF(0, -2) * scale, 5.5 * scale, 4.5 * scale);
    puff.addEllipse(at + QPointF(6, 0.5) * scale, 4.5 * scale, 3 * scale);
    puff.addRect(QRectF(at + QPointF(-6, 0) * scale, at + QPointF(6, 3) * scale));
    puff.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(at.y() - 6 * scale, at.y() + 3 * scale, QColor(255, 255, 255, 245),
                        QColor(0xDC, 0xE8, 0xF4, 235)));
    p.drawPath(puff.simplified());
}

// Land below a ridge given as a start point and the cubic segments that follow it.
QPainterPath ground(std::initializer_list<QPointF> ridge, qreal bottom) {
    const QPointF* point = ridge.begin();
    QPainterPath path(*point++);
    for (; point + 2 < ridge.end(); point += 3) {
        path.cubicTo(point[0], point[1], point[2]);
    }
    path.lineTo(path.currentPosition().x(), bottom);
    path.lineTo(ridge.begin()->x(), bottom);
    path.closeSubpath();
    return path;
}

}  // namespace

// A scene with round, straight and slanted shapes, so stretching it to any thumbnail size
// shows at a glance what the size does.
void paintSample(QPainter& p) {
    p.fillRect(QRectF(0, 0, 82, 71), vertical(0, 46, QColor(0x2A, 0x6A, 0xC8), palette::skyBottom));

    const QPointF sunAt(62, 16);
    QRadialGradient glow(sunAt, 17);
    glow.setColorAt(0, QColor(0xFF, 0xF4, 0xB8, 210));
    glow.setColorAt(1, QColor(0xFF, 0xF4, 0xB8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunAt, 17, 17);
    glossyDisc(p, sunAt, 7, QColor(0xFF, 0xFB, 0xD8), palette::sun, palette::sunEdge);

    cloud(p, {19, 13}, 1.0);
    cloud(p, {41, 24}, 0.65);

    p.setPen(Qt::NoPen);
    p.setBrush(vertical(26, 48, QColor(0x6F, 0x96, 0xBE), QColor(0xA4, 0xC4, 0xDC)));
    p.drawPath(ground({{0, 38},
                       {6, 33},
                       {10, 29},
                       {16, 31},
                       {22, 33},
                       {26, 25},
                       {33, 27},
                       {40, 29},
                       {46, 36},
                       {54, 32},
                       {62, 28},
                       {70, 35},
                       {82, 33}},
                      50));
    p.setBrush(vertical(36, 56, QColor(0x93, 0xCE, 0x66), QColor(0x58, 0xA2, 0x44)));
    p.drawPath(ground({{0, 47}, {18, 36}, {38, 40}, {52, 45}, {64, 49}, {74, 41}, {82, 43}}, 71));

    // a river winding down from the hills
    QPainterPath river(QPointF(38, 47));
    river.cubicTo(QPointF(30, 53), QPointF(48, 58), QPointF(34, 71));
    river.lineTo(48, 71);
    river.cubicTo(QPointF(58, 60), QPointF(40, 54), QPointF(41, 47));
    river.closeSubpath();
    p.setBrush(vertical(47, 71, QColor(0x7C, 0xC0, 0xF2), QColor(0x3B, 0x8A, 0xD8)));
    p.drawPath(river);

    p.setBrush(vertical(50, 71, palette::hillNear, palette::hillNearDark));
    p.drawPath(ground({{0, 56}, {10, 50}, {22, 52}, {31, 58}}, 71));
    p.drawPath(ground({{52, 62}, {62, 55}, {72, 54}, {82, 58}}, 71));

    // a house on the far meadow: straight walls and a pointed roof
    p.setPen(QPen(QColor(0x6B, 0x4A, 0x2E), 0.8));
    p.setBrush(QColor(0xF4, 0xE7, 0xC9));
    p.drawRect(QRectF(58.5, 42.5, 10, 7));
    const QPointF roof[] = {{57, 43}, {63.5, 37.5}, {70, 43}};
    p.setBrush(QColor(0xC4, 0x3B, 0x2C));
    p.drawPolygon(roof, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6B, 0x4A, 0x2E));
    p.drawRect(QRectF(62, 45, 2.5, 4.5));

    // a tree in front
    p.setBrush(QColor(0x6B, 0x44, 0x23));
    p.drawRect(QRectF(14, 47, 3, 10));
    glossyDisc(p, {15.5, 43}, 7, QColor(0x6C, 0xC2, 0x5C), QColor(0x2E, 0x7D, 0x32),
               QColor(0x1B, 0x4E, 0x1E));
}

// A torn photo with a red cross: "this picture could not be shown".
void paintError(QPainter& p) {
    p.fillRect(QRectF(0, 0, 73, 81),
               vertical(0, 81, QColor(0xF4, 0xF6, 0xF9), QColor(0xD6, 0xDC, 0xE4)));
    const QRectF card(11.5, 19.5, 50, 38);
    const QPointF tear[] = {{38, 14}, {34, 27}, {39, 35}, {33, 44}, {38, 51}, {35, 63}};
    QPolygonF left{QPointF(0, 0)};
    QPolygonF right{QPointF(73, 0)};
    for (const QPointF& point : tear) {
        left << point;
        right << point;
    }
    left << QPointF(0, 81);
    right << QPointF(73, 81);

    struct Piece {
        const QPolygonF& outline;
        QPointF shift;
        qreal degrees;
    };
    for (const Piece& piece : {Piece{left, {-2.5, 2}, -5}, Piece{right, {2.5, -1.5}, 5}}) {
        p.save();
        p.translate(card.center() + piece.shift);
        p.rotate(piece.degrees);
        p.translate(-card.center());
        QPainterPath cut;
        cut.addPolygon(piece.outline);
        p.setClipPath(cut);
        softShadow(p, card, {1.5, 2});
        photoCard(p, card, 3);
        p.setClipRect(card, Qt::IntersectClip);
        p.setPen(QPen(QColor(0xFA, 0xFA, 0xF6), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(tear, 6);
        p.restore();
    }

    glossyDisc(p, {57, 62}, 8.5, palette::redLight, palette::red, palette::redEdge);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(54, 59), QPointF(60, 65));
    p.drawLine(QPointF(60, 59), QPointF(54, 65));
}

// An empty picture well: where the preview will appear.
void paintPlaceholder(QPainter& p) {
    p.fillRect(QRectF(0, 0, 73, 81),
               vertical(0, 81, QColor(0xEE, 0xF1, 0xF5), QColor(0xD3, 0xD9, 0xE1)));
    p.setPen(QPen(QColor(0xA6, 0xB1, 0xBE), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6.5, 6.5, 60, 68), 4, 4);

    const QColor line(0x97, 0xA3, 0xB2);
    p.setPen(QPen(line, 1.5));
    p.setBrush(QColor(0xE6, 0xEA, 0xF0));
    p.drawRoundedRect(QRectF(18.5, 28.5, 36, 26), 2, 2);
    const QPointF hills[] = {{21, 52}, {30, 39}, {36, 46}, {41, 41}, {52, 52}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB2, 0xBD, 0xCA));
    p.drawPolygon(hills, 5);
    p.setBrush(QColor(0xC0, 0xCA, 0xD5));
    p.drawEllipse(QPointF(46, 35), 3.2, 3.2);
}

// The big picture and the thumbnail made of it: what the program does.
void paintLogo(QPainter& p) {
    const QRectF photo(-13, -10, 26, 20);
    p.save();
    p.translate(14, 12.5);
    p.rotate(-8);
    softShadow(p, photo, {1, 1.5});
    photoCard(p, photo, 1.8);
    p.restore();

    const QRectF thumbnail(16.5, 16.5, 14, 11);
    softShadow(p, thumbnail, {1, 1.2});
    photoCard(p, thumbnail, 1.3);
}

// The picture shrinking to its thumbnail inside the crop marks, one step per picture: the
// size it had a step before stays as a faint outline, arrows point the way.
void paintProgress(QPainter& p, int step) {
    step = std::clamp(step, 0, 2);
    const QRectF target(2.5, 5.5, 27, 21);
    const qreal arm = 4.5;
    p.setPen(QPen(QColor(0x4E, 0x58, 0x64), 1));
    p.setBrush(Qt::NoBrush);
    for (const QPointF corner :
         {target.topLeft(), target.topRight(), target.bottomRight(), target.bottomLeft()}) {
        const qreal dx = corner.x() < target.center().x() ? arm : -arm;
        const qreal dy = corner.y() < target.center().y() ? arm : -arm;
        const QPointF mark[] = {corner + QPointF(dx, 0), corner, corner + QPointF(0, dy)};
        p.drawPolyline(mark, 3);
    }

    const QRectF cards[] = {{4.5, 7.5, 23, 17}, {8.5, 10.5, 15, 11}, {11.5, 12.5, 9, 7}};
    const QRectF& card = cards[step];
    if (step > 0) {
        const QRectF& before = cards[step - 1];
        p.setPen(QPen(withAlpha(palette::blue, 150), 1, Qt::DotLine));
        p.drawRect(before);
        p.setPen(QPen(palette::blue, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& [from, to] : {std::pair{before.topLeft(), card.topLeft()},
                                       std::pair{before.bottomRight(), card.bottomRight()}}) {
            const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
            const QPointF tip = to - along * 0.8;
            const QPointF back = tip - along * 2.4;
            const QPointF across(-along.y() * 1.6, along.x() * 1.6);
            p.drawLine(from + along * 0.8, tip);
            const QPointF head[] = {back + across, tip, back - across};
            p.drawPolyline(head, 3);
        }
    }
    softShadow(p, card, {0.8, 1});
    photoCard(p, card, step == 2 ? 1 : 1.5);
}

}  // namespace ui::paint
