// SPDX-License-Identifier: MIT
#include "glimmer/controls/user_control.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace glimmer {

Surface::Surface(UserControl* owner) : QWidget(owner), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QImage& Surface::image() {
    const QSize wanted = owner_->surfaceSize();
    if (image_.size() != wanted) {
        QImage grown(wanted, QImage::Format_RGB32);
        grown.fill(background_);
        if (!image_.isNull() && !wanted.isEmpty()) {
            QPainter painter(&grown);
            painter.drawImage(0, 0, image_);
        }
        image_ = grown;
    }
    return image_;
}

void Surface::clear() {
    image().fill(background_);
}

void Surface::line(QPoint from, QPoint to, QColor colour) {
    QImage& img = image();
    const QRect area = img.rect();
    const QRgb rgb = colour.rgb();
    const auto set = [&](int x, int y) {
        if (area.contains(x, y)) {
            img.setPixel(x, y, rgb);
        }
    };
    if (from.y() == to.y()) {
        const int step = to.x() >= from.x() ? 1 : -1;
        for (int x = from.x(); x != to.x(); x += step) {
            set(x, from.y());
        }
    } else if (from.x() == to.x()) {
        const int step = to.y() >= from.y() ? 1 : -1;
        for (int y = from.y(); y != to.y(); y += step) {
            set(from.x(), y);
        }
    }
}

void Surface::box(QPoint corner, QPoint opposite, QColor colour) {
    QImage& img = image();
    // Both corners inside, whichever way round they are given.
    const QRect r =
        QRect(QPoint(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y())),
              QPoint(std::max(corner.x(), opposite.x()), std::max(corner.y(), opposite.y())))
            .intersected(img.rect());
    if (r.isEmpty()) {
        return;
    }
    QPainter painter(&img);
    painter.fillRect(r, colour);
}

void Surface::gradient(QColor from, QColor to, Run run) {
    const QSize area = owner_->surfaceSize();
    const float length = static_cast<float>(run == Run::Columns ? area.width() : area.height());
    float r = static_cast<float>(from.red());
    float g = static_cast<float>(from.green());
    float b = static_cast<float>(from.blue());
    // Worked out once from the end colours, added at each step.
    const float dr = static_cast<float>(to.red() - from.red()) / length;
    const float dg = static_cast<float>(to.green() - from.green()) / length;
    const float db = static_cast<float>(to.blue() - from.blue()) / length;
    const int last = nearest(length);
    for (int k = 0; k <= last; ++k) {
        const auto channel = [](float v) { return std::clamp(nearest(v), 0, 255); };
        const QColor c(channel(r), channel(g), channel(b));
        if (run == Run::Columns) {
            line({k, 0}, {k, area.height()}, c);
        } else {
            const int y = run == Run::RowsDown ? k : last - k;
            line({0, y}, {area.width(), y}, c);
        }
        r += dr;
        g += dg;
        b += db;
    }
}

void Surface::paintEvent(QPaintEvent* /*event*/) {
    owner_->UserControl_Paint();
    QPainter painter(this);
    painter.drawImage(0, 0, image());
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    owner_->UserControl_Resize();
}

UserControl::UserControl(const platform::Services& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      twips_(services.screen),
      surface_(new Surface(this)),
      containerFont_(parent ? parent->font() : QApplication::font()) {
    setMouseTracking(true);
    placeSurface();
}

void UserControl::setFrameWidth(int px) {
    if (px == frame_) {
        return;
    }
    frame_ = px;
    placeSurface();
    update();
}

QSize UserControl::surfaceSize() const {
    return {std::max(0, width() - 2 * frame_), std::max(0, height() - 2 * frame_)};
}

void UserControl::placeSurface() {
    surface_->setGeometry(QRect(QPoint(frame_, frame_), surfaceSize()));
}

void UserControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSurface();
}

void UserControl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        UserControl_Show();
    }
}

void UserControl::paintEvent(QPaintEvent* /*event*/) {
    if (frame_ > 0) {
        QPainter painter(this);
        paintFrame(painter);
    }
}

short UserControl::buttonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton) {
        code |= 1;
    }
    if (buttons & Qt::RightButton) {
        code |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        code |= 4;
    }
    return code;
}

short UserControl::shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        code |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        code |= 4;
    }
    return code;
}

short UserControl::buttonOf(const QMouseEvent* event) {
    return event->type() == QEvent::MouseMove ? buttonCode(event->buttons())
                                              : buttonCode(event->button());
}

void UserControl::applyMousePointer(QWidget* widget, int pointer, const QImage& icon,
                                    Qt::CursorShape customFallback) {
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,      // 0 default
        Qt::ArrowCursor,      // 1 arrow
        Qt::CrossCursor,      // 2 cross
        Qt::IBeamCursor,      // 3 I-beam
        Qt::ArrowCursor,      // 4 icon
        Qt::SizeAllCursor,    // 5 size
        Qt::SizeBDiagCursor,  // 6 size NE-SW
        Qt::SizeVerCursor,    // 7 size N-S
        Qt::SizeFDiagCursor,  // 8 size NW-SE
        Qt::SizeHorCursor,    // 9 size W-E
        Qt::UpArrowCursor,    // 10 up arrow
        Qt::WaitCursor,       // 11 hourglass
        Qt::ForbiddenCursor,  // 12 no drop
        Qt::BusyCursor,       // 13 arrow and hourglass
        Qt::WhatsThisCursor,  // 14 arrow and question mark
        Qt::SizeAllCursor,    // 15 size all
    };
    if (pointer == 99) {
        if (!icon.isNull()) {
            widget->setCursor(QCursor(QPixmap::fromImage(icon)));
        } else {
            widget->setCursor(customFallback);
        }
    } else if (pointer == 0) {
        widget->unsetCursor();
    } else if (pointer > 0 && pointer < static_cast<int>(std::size(shapes))) {
        widget->setCursor(shapes[pointer]);
    }
}

}  // namespace glimmer
