// SPDX-License-Identifier: MIT
#include "ui/picture_box.h"

#include <QPainter>
#include <QResizeEvent>

namespace ui {

PictureBox::PictureBox(QWidget* parent, Border border, QColor background)
    : QWidget(parent), border_(border), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeDrawing(innerSize());
}

int PictureBox::borderWidth() const {
    switch (border_) {
        case Border::None:
            return 0;
        case Border::Flat:
            return 1;
        case Border::Sunken:
            return 2;
    }
    return 0;
}

QSize PictureBox::innerSize() const {
    const int frame = 2 * borderWidth();
    return {std::max(0, width() - frame), std::max(0, height() - frame)};
}

void PictureBox::setOuterSize(QSize outer) {
    resize(outer);
    resizeDrawing(innerSize());
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (on && hasPicture()) {
        const int frame = 2 * borderWidth();
        resize(picture_.width() + frame, picture_.height() + frame);
    }
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && hasPicture()) {
        const int frame = 2 * borderWidth();
        resize(picture_.width() + frame, picture_.height() + frame);
    }
    resizeDrawing(innerSize());
    drawing_.fill(background_);
    if (hasPicture()) {
        drawImage({0, 0}, picture_);
    }
    update();
}

void PictureBox::clear() {
    picture_ = QImage();
    resizeDrawing(innerSize());
    drawing_.fill(background_);
    update();
}

void PictureBox::drawImage(QPoint at, const QImage& image, QRect sourceRect) {
    resizeDrawing(innerSize());
    if (drawing_.isNull() || image.isNull()) {
        return;
    }
    QPainter painter(&drawing_);
    painter.drawImage(at, image, sourceRect.isNull() ? image.rect() : sourceRect);
    update();
}

void PictureBox::resizeDrawing(QSize inner) const {
    if (inner == drawing_.size()) {
        return;
    }
    // What was drawn stays where it was; new area shows the background.
    QImage grown(inner, QImage::Format_RGB32);
    grown.fill(background_);
    if (!drawing_.isNull() && !inner.isEmpty()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, drawing_);
    }
    drawing_ = grown;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    resizeDrawing(innerSize());
    QWidget::resizeEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    resizeDrawing(innerSize());
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const int frame = borderWidth();
    painter.drawImage(frame, frame, drawing_);
    if (border_ == Border::Flat) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (border_ == Border::Sunken) {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    }
}

}  // namespace ui
