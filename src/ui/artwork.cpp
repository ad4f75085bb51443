#include "ui/artwork.h"

#include <QPainter>

namespace ui {

QSize artSize(Art art) {
    switch (art) {
        case Art::Background:
            return {695, 314};
        case Art::ArrowUp:
        case Art::ArrowDown:
            return {11, 10};
        case Art::LightRed:
        case Art::LightGreen:
            return {12, 12};
        case Art::Sample:
            return {82, 71};
        case Art::Error:
        case Art::Placeholder:
            return {73, 81};
        case Art::Logo:
        case Art::Progress1:
        case Art::Progress2:
        case Art::Progress3:
            return {32, 32};
        default:
            return {24, 24};
    }
}

QImage artworkImage(Art art, QSize size) {
    if (!size.isValid()) {
        size = artSize(art);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    switch (art) {
        case Art::LightRed:
            painter.setBrush(QColor(200, 30, 30));
            painter.drawEllipse(box);
            break;
        case Art::LightGreen:
            painter.setBrush(QColor(30, 200, 30));
            painter.drawEllipse(box);
            break;
        default:
            painter.setBrush(QColor(70, 90, 120));
            painter.drawRoundedRect(box, 3, 3);
            break;
    }
    return image;
}

QPixmap artwork(Art art, bool pressed, QSize size) {
    QImage image = artworkImage(art, size);
    if (pressed) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0, 0, 0, 60));
    }
    return QPixmap::fromImage(image);
}

}  // namespace ui
