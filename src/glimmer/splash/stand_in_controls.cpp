// SPDX-License-Identifier: MIT
#include "glimmer/splash/stand_in_controls.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace glimmer::standin {

LumenProgressBar::LumenProgressBar(QWidget* parent) : QWidget(parent) {}

void LumenProgressBar::setValue(float value) {
    value_ = std::clamp(value, min_, max_);
    update();
}

void LumenProgressBar::setMax(float max) {
    if (max > min_) {
        max_ = max;
        value_ = std::min(value_, max_);
        update();
    }
}

void LumenProgressBar::setVertical(bool vertical) {
    vertical_ = vertical;
    update();
}

void LumenProgressBar::setGradientColors(QColor from, QColor to) {
    from_ = from;
    to_ = to;
    update();
}

void LumenProgressBar::setRemainColor(QColor colour) {
    remain_ = colour;
    update();
}

void LumenProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QRectF all(rect());
    QLinearGradient gradient = vertical_ ? QLinearGradient(all.bottomLeft(), all.topLeft())
                                         : QLinearGradient(all.topLeft(), all.topRight());
    gradient.setColorAt(0, from_);
    gradient.setColorAt(1, to_);
    p.fillRect(all, gradient);
    const qreal share = (value_ - min_) / (max_ - min_);
    if (vertical_) {
        p.fillRect(QRectF(0, 0, width(), height() * (1 - share)), remain_);
    } else {
        const qreal filled = width() * share;
        p.fillRect(QRectF(filled, 0, width() - filled, height()), remain_);
    }
}

ShadowLabel::ShadowLabel(QWidget* parent) : QWidget(parent) {}

void ShadowLabel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void ShadowLabel::setAlignment(int alignment) {
    alignment_ = alignment;
    update();
}

void ShadowLabel::setColours(QColor fore, QColor back, QColor shadow) {
    fore_ = fore;
    back_ = back;
    shadow_ = shadow;
    update();
}

namespace {
QColor blend(QColor from, QColor to, int percent) {
    const auto channel = [&](int a, int b) { return a + (b - a) * percent / 100; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}
}  // namespace

void ShadowLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const Qt::Alignment across = alignment_ == 1   ? Qt::AlignRight
                                 : alignment_ == 2 ? Qt::AlignHCenter
                                                   : Qt::AlignLeft;
    const QRect text = rect().adjusted(0, 0, -6, -6);
    // Outermost ring first, so the nearer, darker copies lie over it.
    for (int ring = 3; ring >= 1; --ring) {
        p.setPen(blend(shadow_, back_, 20 + 20 * ring));
        for (int dx = 0; dx <= ring; ++dx) {
            for (int dy = 0; dy <= ring; ++dy) {
                if (std::max(dx, dy) == ring) {
                    p.drawText(text.translated(dx, dy), int(across | Qt::AlignTop), caption_);
                }
            }
        }
    }
    p.setPen(fore_);
    p.drawText(text, int(across | Qt::AlignTop), caption_);
}

LumenCommand::LumenCommand(QWidget* parent) : QWidget(parent) {}

void LumenCommand::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void LumenCommand::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int shift = pressed_ ? 1 : 0;
    const QPoint at((width() - picture_.width()) / 2 + shift,
                    (height() - picture_.height()) / 2 + shift);
    p.drawPixmap(at, picture_);
    if (hovering_ || pressed_) {
        const QColor light = Qt::white;
        const QColor dark = palette().color(QPalette::Dark);
        const int w = width() - 1;
        const int h = height() - 1;
        p.setPen(pressed_ ? dark : light);
        p.drawLine(0, h, 0, 0);
        p.drawLine(0, 0, w, 0);
        p.setPen(pressed_ ? light : dark);
        p.drawLine(w, 0, w, h);
        p.drawLine(w, h, 0, h);
    }
}

void LumenCommand::enterEvent(QEnterEvent* /*event*/) {
    hovering_ = true;
    update();
}

void LumenCommand::leaveEvent(QEvent* /*event*/) {
    hovering_ = false;
    pressed_ = false;
    update();
}

void LumenCommand::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    update();
}

void LumenCommand::mouseReleaseEvent(QMouseEvent* /*event*/) {
    pressed_ = false;
    update();
}

}  // namespace glimmer::standin
