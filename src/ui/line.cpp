// SPDX-License-Identifier: MIT
#include "ui/line.h"

#include <QPainter>

namespace ui {

Line::Line(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setPoints(QPoint from, QPoint to) {
    from_ = from;
    to_ = to;
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
    update();
}

void Line::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.drawLine(from_ - pos(), to_ - pos());
}

}  // namespace ui
