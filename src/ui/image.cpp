// SPDX-License-Identifier: MIT
#include "ui/image.h"

#include "ui/accessible.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

Image::Image(QWidget* parent, QPixmap picture) : QWidget(parent), picture_(std::move(picture)) {}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Image::setBorder(bool on) {
    border_ = on;
    update();
}

void Image::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (hasPicture()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(pictureRect(), picture_);
    }
    if (border_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Image::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

ImageButton::ImageButton(QWidget* parent, QPixmap picture, QPixmap pressedPicture)
    : Image(parent, std::move(picture)), twin_(new Image(parent, std::move(pressedPicture))) {
    installAccessibility();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    twin_->hide();
}

void ImageButton::paintEvent(QPaintEvent* event) {
    Image::paintEvent(event);
    // The focus shows only while the user moves it with the keyboard, as on push buttons;
    // for the mouse the artwork stays as drawn.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!event->isAutoRepeat()) {
            press();
        }
        event->accept();
        return;
    }
    Image::keyPressEvent(event);
}

void ImageButton::setPressed(bool pressed) {
    twin_->setGeometry(geometry());
    twin_->setVisible(pressed);
    if (pressed) {
        twin_->raise();
    }
}

void ImageButton::moveEvent(QMoveEvent* event) {
    twin_->setGeometry(geometry());
    Image::moveEvent(event);
}

void ImageButton::resizeEvent(QResizeEvent* event) {
    twin_->setGeometry(geometry());
    Image::resizeEvent(event);
}

}  // namespace ui
