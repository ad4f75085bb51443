// SPDX-License-Identifier: MIT
// The button symbols and the status lights, and the small parts they share.

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include "ui/artwork_paint.h"

namespace ui::paint {

void glossyDisc(QPainter& p, QPointF centre, qreal radius, const QColor& light, const QColor& base,
                const QColor& edge) {
    QRadialGradient body(centre, radius * 1.45, centre + QPointF(-radius * 0.4, -radius * 0.5));
    body.setColorAt(0, light);
    body.setColorAt(0.55, base);
    body.setColorAt(1, base.darker(160));
    p.setPen(QPen(edge, 1));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);

    const QRectF shine(centre.x() - radius * 0.62, centre.y() - radius * 0.88, radius * 1.24,
                       radius * 0.82);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(shine.top(), shine.bottom(), QColor(255, 255, 255, 200),
                        QColor(255, 255, 255, 10)));
    p.drawEllipse(shine);
}

void miniScene(QPainter& p, const QRectF& r) {
    const auto at = [&r](qreal fx, qreal fy) {
        return QPointF(r.left() + r.width() * fx, r.top() + r.height() * fy);
    };
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.fillRect(r, vertical(r.top(), r.bottom(), palette::skyTop, palette::skyBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sun);
    p.drawEllipse(at(0.74, 0.3), r.height() * 0.16, r.height() * 0.16);

    QPainterPath far(at(0, 0.7));
    far.cubicTo(at(0.2, 0.42), at(0.45, 0.46), at(0.66, 0.64));
    far.cubicTo(at(0.8, 0.74), at(0.92, 0.6), at(1.0, 0.58));
    far.lineTo(at(1, 1));
    far.lineTo(at(0, 1));
    p.setBrush(palette::hillFar);
    p.drawPath(far);

    QPainterPath near(at(0, 0.88));
    near.cubicTo(at(0.3, 0.62), at(0.62, 0.7), at(1.0, 0.8));
    near.lineTo(at(1, 1));
    near.lineTo(at(0, 1));
    p.setBrush(vertical(at(0, 0.7).y(), r.bottom(), palette::hillNear, palette::hillNearDark));
    p.drawPath(near);
    p.restore();
}

qreal fineLine(const QPainter& p) {
    const QTransform& t = p.worldTransform();
    const qreal scale = std::hypot(t.m11(), t.m12());
    return scale > 0 ? std::max(1.0 / scale, std::min(1.0, 2.0 / scale)) : 1.0;
}

void softShadow(QPainter& p, const QRectF& r, QPointF offset) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 22));
    for (const qreal spread : {1.2, 0.6, 0.0}) {
        p.drawRoundedRect(r.translated(offset).adjusted(-spread, -spread, spread, spread),
                          spread + 0.5, spread + 0.5);
    }
}

void photoCard(QPainter& p, const QRectF& r, qreal mount) {
    p.setPen(QPen(palette::paperEdge, fineLine(p)));
    p.setBrush(vertical(r.top(), r.bottom(), palette::paperTop, palette::paperBottom));
    p.drawRect(r);
    miniScene(p, r.adjusted(mount, mount, -mount, -mount));
}

void folderBack(QPainter& p, const QRectF& r) {
    QPainterPath back;
    back.addRoundedRect(QRectF(r.left(), r.top() + 2, r.width(), r.height() - 2), 1.5, 1.5);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(r.left(), r.top(), std::round(r.width() * 0.42), 4), 1.5, 1.5);
    p.setPen(QPen(palette::folderEdge, 1));
    p.setBrush(vertical(r.top(), r.bottom(), palette::folderBack, palette::folderBackDark));
    p.drawPath(back.united(tab));
}

void folderFront(QPainter& p, const QRectF& r, bool open) {
    p.setPen(QPen(palette::folderEdge, 1));
    if (open) {
        const qreal top = std::floor(r.top() + r.height() * 0.38) + 0.5;
        const QPointF corners[] = {{r.left() + 2.5, top},
                                   {r.right() + 0.5, top},
                                   {r.right() - 1.5, r.bottom()},
                                   {r.left(), r.bottom()}};
        p.setBrush(vertical(top, r.bottom(), palette::folderFront, palette::folderFrontDark));
        p.drawPolygon(corners, 4);
        p.setPen(QPen(withAlpha(Qt::white, 170), 1));
        p.drawLine(QPointF(r.left() + 3.5, top + 1), QPointF(r.right() - 0.5, top + 1));
        return;
    }
    const QRectF front(r.left(), r.top() + 4, r.width(), r.height() - 4);
    p.setBrush(
        vertical(front.top(), front.bottom(), palette::folderFront, palette::folderFrontDark));
    p.drawRoundedRect(front, 1.5, 1.5);
    p.setPen(QPen(withAlpha(Qt::white, 170), 1));
    p.drawLine(QPointF(front.left() + 1.5, front.top() + 1),
               QPointF(front.right() - 1.5, front.top() + 1));
}

namespace {

// An arc ending in an arrow head along its direction, set off from what lies below by a
// light halo.
void curvedArrow(QPainter& p, const QRectF& circle, qreal startDeg, qreal spanDeg, qreal width,
                 const QColor& colour, const QColor& halo) {
    QPainterPath arc;
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, spanDeg);
    const QPointF end = arc.pointAtPercent(1);
    const qreal angle = qDegreesToRadians(arc.angleAtPercent(1));
    const QPointF along(std::cos(angle), -std::sin(angle));
    const QPointF across(-along.y(), along.x());
    const qreal head = width * 1.5;
    const QPointF tip[] = {end + along * head * 1.3, end + across * head, end - across * head};

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(halo, width + 2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(halo, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(halo);
    p.drawPolygon(tip, 3);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(colour, 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(tip, 3);
}

QPen symbolPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void bulb(QPainter& p, bool lit) {
    const QPointF centre(12, 10);
    if (lit) {
        QRadialGradient halo(centre, 10.5);
        halo.setColorAt(0, withAlpha(palette::amberLight, 170));
        halo.setColorAt(1, withAlpha(palette::amberLight, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(centre, 10.5, 10.5);
        p.setPen(symbolPen(palette::amber, 1.3));
        for (const qreal degrees : {200.0, 235.0, 270.0, 305.0, 340.0}) {
            const qreal a = qDegreesToRadians(degrees);
            const QPointF direction(std::cos(a), std::sin(a));
            p.drawLine(centre + direction * 7.4, centre + direction * 9.4);
        }
    }

    QPainterPath glass;
    glass.addEllipse(centre, 5.4, 5.4);
    QPainterPath neck(QPointF(8.7, 13));
    neck.cubicTo(QPointF(9.7, 14.2), QPointF(9.9, 15), QPointF(9.9, 16.3));
    neck.lineTo(14.1, 16.3);
    neck.cubicTo(QPointF(14.1, 15), QPointF(14.3, 14.2), QPointF(15.3, 13));
    neck.closeSubpath();
    QRadialGradient fill(centre, 7, centre + QPointF(-1.8, -2.2));
    fill.setColorAt(0, lit ? QColor(0xFF, 0xFE, 0xEC) : QColor(Qt::white));
    fill.setColorAt(0.55, lit ? QColor(0xFF, 0xE0, 0x4C) : QColor(0xDD, 0xE2, 0xE8));
    fill.setColorAt(1, lit ? QColor(0xF2, 0xAC, 0x00) : QColor(0xA9, 0xB1, 0xBC));
    p.setPen(QPen(lit ? palette::amberEdge : QColor(0x6A, 0x74, 0x82), 1));
    p.setBrush(fill);
    p.drawPath(glass.united(neck));

    const QPointF filament[] = {{10.6, 13.2}, {11.2, 11.2}, {12, 12.6}, {12.8, 11.2}, {13.4, 13.2}};
    p.setPen(symbolPen(lit ? QColor(0xC2, 0x62, 0x00) : QColor(0x5F, 0x68, 0x73), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(filament, 5);

    p.setPen(QPen(QColor(0x4E, 0x56, 0x60), 1));
    p.setBrush(vertical(16, 20, QColor(0xD6, 0xDA, 0xDF), QColor(0x7C, 0x85, 0x90)));
    p.drawRoundedRect(QRectF(9.5, 16.5, 5, 3), 0.8, 0.8);
    p.drawLine(QPointF(10, 18), QPointF(14, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(12, 20.3), 1.5, 0.9);
}

}  // namespace

namespace {

// An open folder with something standing in it, turned by `degrees` about `at`.
template <typename Content>
void openFolderHolding(QPainter& p, const QRectF& folder, QPointF at, qreal degrees,
                       Content content) {
    folderBack(p, folder);
    p.save();
    p.translate(at);
    p.rotate(degrees);
    content();
    p.restore();
    folderFront(p, folder, true);
}

}  // namespace

void paintBrowse(QPainter& p) {
    openFolderHolding(p, QRectF(3.5, 5.5, 17, 14), {12.5, 9.5}, -8,
                      [&p] { photoCard(p, QRectF(-5, -4, 10, 8), 1.2); });
}

void paintInformation(QPainter& p) {
    glossyDisc(p, {12, 12}, 8.5, palette::blueLight, palette::blue, palette::blueEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 7.7), 1.55, 1.55);
    p.drawRoundedRect(QRectF(10.7, 10.2, 2.6, 7.4), 0.9, 0.9);
}

void paintTipsOn(QPainter& p) {
    bulb(p, true);
}

void paintTipsOff(QPainter& p) {
    bulb(p, false);
}

void paintHelp(QPainter& p) {
    glossyDisc(p, {12, 12}, 8.5, palette::tealLight, palette::teal, palette::tealEdge);
    QPainterPath hook(QPointF(9.2, 9.6));
    hook.cubicTo(QPointF(9.2, 5.9), QPointF(14.8, 5.9), QPointF(14.8, 9.5));
    hook.cubicTo(QPointF(14.8, 11.5), QPointF(12, 11.4), QPointF(12, 13.9));
    p.setPen(symbolPen(Qt::white, 2.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 16.9), 1.45, 1.45);
}

void paintExit(QPainter& p) {
    glossyDisc(p, {12, 12}, 8.5, palette::redLight, palette::red, palette::redEdge);
    p.setPen(symbolPen(Qt::white, 2.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7.4, 7.9, 9.2, 9.2), 125 * 16, 290 * 16);
    p.drawLine(QPointF(12, 6.4), QPointF(12, 11.8));
}

void paintStartProcessing(QPainter& p) {
    QPainterPath play(QPointF(7.5, 4.5));
    play.lineTo(19.5, 12);
    play.lineTo(7.5, 19.5);
    play.closeSubpath();
    QLinearGradient fill(7, 4, 17, 20);
    fill.setColorAt(0, palette::greenLight);
    fill.setColorAt(1, palette::green);
    p.setPen(symbolPen(palette::greenEdge, 1.2));
    p.setBrush(fill);
    p.drawPath(play);
    const QPointF shine[] = {{9, 7.2}, {15.5, 11.2}, {9, 11.2}};
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 110));
    p.drawPolygon(shine, 3);
}

void paintPromptOverwrite(QPainter& p) {
    const QPointF page[] = {{4.5, 2.5}, {12.5, 2.5}, {16.5, 6.5}, {16.5, 19.5}, {4.5, 19.5}};
    p.setPen(QPen(palette::paperEdge, 1));
    p.setBrush(vertical(2, 20, palette::paperTop, palette::paperBottom));
    p.drawPolygon(page, 5);
    const QPointF fold[] = {{12.5, 2.5}, {12.5, 6.5}, {16.5, 6.5}};
    p.setBrush(palette::paperBottom.darker(110));
    p.drawPolygon(fold, 3);
    p.setPen(QPen(QColor(0xA4, 0xAF, 0xBD), 1));
    for (const qreal y : {9.5, 11.5, 13.5}) {
        p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
    }

    // the warning: this file is about to be replaced
    const QPointF sign[] = {{16, 11.5}, {21.5, 21}, {10.5, 21}};
    p.setPen(symbolPen(palette::amberEdge, 1));
    p.setBrush(vertical(11, 21, palette::amberLight, palette::amber));
    p.drawPolygon(sign, 3);
    p.setPen(symbolPen(palette::ink, 1.6));
    p.drawLine(QPointF(16, 14.6), QPointF(16, 17.4));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(16, 19.3), 0.9, 0.9);
}

void paintSameFolder(QPainter& p) {
    const QRectF folder(3.5, 4.5, 17, 15);
    folderBack(p, folder);
    folderFront(p, folder, false);
    // back round into the folder it came from
    curvedArrow(p, QRectF(7.6, 9.8, 8.8, 8.4), 160, -250, 1.7, palette::greenEdge,
                withAlpha(Qt::white, 230));
}

void paintLandscape(QPainter& p) {
    photoCard(p, QRectF(2.5, 9.5, 19, 11), 1.5);
    // turned a quarter: a tall picture becomes a wide one
    curvedArrow(p, QRectF(5, 3, 14, 12), 150, -115, 1.5, palette::blue, withAlpha(Qt::white, 230));
}

void paintOpenFolder(QPainter& p) {
    openFolderHolding(p, QRectF(2.5, 7.5, 16, 12), {10.5, 14.5}, -45, [&p] {
        const QPointF arrowShape[] = {{0, -1.7},  {6.5, -1.7}, {6.5, -4.3}, {12, 0},
                                      {6.5, 4.3}, {6.5, 1.7},  {0, 1.7}};
        p.setPen(symbolPen(palette::blueEdge, 1));
        p.setBrush(vertical(-4, 4, palette::blueLight, palette::blue));
        p.drawPolygon(arrowShape, 7);
    });
}

void paintMyPictures(QPainter& p) {
    const QRectF folder(3.5, 4.5, 17, 15);
    folderBack(p, folder);
    folderFront(p, folder, false);
    photoCard(p, QRectF(7.5, 10.5, 9, 7), 1);
}

void paintArrowUp(QPainter& p) {
    const QPointF head[] = {{5.5, 2.6}, {8.8, 6.8}, {2.2, 6.8}};
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawPolygon(head, 3);
}

void paintArrowDown(QPainter& p) {
    const QPointF head[] = {{2.2, 3.2}, {8.8, 3.2}, {5.5, 7.4}};
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawPolygon(head, 3);
}

namespace {

// A lamp set in a hole of the panel: the hole is shaded at its upper left, lit lower right.
void light(QPainter& p, const QColor& glow, const QColor& base, const QColor& edge) {
    QLinearGradient hole(0, 0, 12, 12);
    hole.setColorAt(0, QColor(0x22, 0x26, 0x2B));
    hole.setColorAt(1, QColor(0xB0, 0xB7, 0xC0));
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawEllipse(QRectF(0, 0, 12, 12));
    glossyDisc(p, {6, 6}, 4.6, glow, base, edge);
}

}  // namespace

void paintLightRed(QPainter& p) {
    light(p, QColor(0xFF, 0xA8, 0x96), QColor(0xE2, 0x24, 0x18), QColor(0x6A, 0x0C, 0x06));
}

void paintLightGreen(QPainter& p) {
    light(p, QColor(0xC6, 0xFF, 0xAE), QColor(0x2A, 0xC8, 0x36), QColor(0x0C, 0x58, 0x14));
}

}  // namespace ui::paint
