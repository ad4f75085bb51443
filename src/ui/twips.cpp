// SPDX-License-Identifier: MIT
#include "ui/twips.h"

#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace ui {

int Twips::toPixels(int twips, int perPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

namespace {

// The twips a widget was last placed with, for each of left, top, width and height.
constexpr const char* kLeft = "twipsLeft";
constexpr const char* kTop = "twipsTop";
constexpr const char* kWidth = "twipsWidth";
constexpr const char* kHeight = "twipsHeight";

void remember(QWidget* widget, const char* name, int twips) {
    widget->setProperty(name, twips);
}

// The remembered twips while the widget still has the pixels they gave, else the pixels.
int recall(const QWidget* widget, const char* name, int px, int perPixel, int (*toPx)(int, int)) {
    const QVariant kept = widget->property(name);
    if (kept.isValid() && toPx(kept.toInt(), perPixel) == px) {
        return kept.toInt();
    }
    return px * perPixel;
}

}  // namespace

void Twips::place(QWidget* widget, int left, int top, int width, int height) const {
    const QSize own = widget->size();
    widget->setGeometry(pxX(left), pxY(top), width < 0 ? own.width() : pxX(width),
                        height < 0 ? own.height() : pxY(height));
    remember(widget, kLeft, left);
    remember(widget, kTop, top);
    if (width >= 0) {
        remember(widget, kWidth, width);
    }
    if (height >= 0) {
        remember(widget, kHeight, height);
    }
}

void Twips::move(QWidget* widget, int left, int top) const {
    widget->move(pxX(left), pxY(top));
    remember(widget, kLeft, left);
    remember(widget, kTop, top);
}

void Twips::setLeft(QWidget* widget, int left) const {
    widget->move(pxX(left), widget->y());
    remember(widget, kLeft, left);
}

void Twips::setTop(QWidget* widget, int top) const {
    widget->move(widget->x(), pxY(top));
    remember(widget, kTop, top);
}

void Twips::setWidth(QWidget* widget, int width) const {
    widget->resize(pxX(width), widget->height());
    remember(widget, kWidth, width);
}

void Twips::setHeight(QWidget* widget, int height) const {
    widget->resize(widget->width(), pxY(height));
    remember(widget, kHeight, height);
}

void Twips::resize(QWidget* widget, int width, int height) const {
    widget->resize(pxX(width), pxY(height));
    remember(widget, kWidth, width);
    remember(widget, kHeight, height);
}

int Twips::left(const QWidget* widget) const {
    return recall(widget, kLeft, widget->x(), perPixelX_, toPixels);
}

int Twips::top(const QWidget* widget) const {
    return recall(widget, kTop, widget->y(), perPixelY_, toPixels);
}

int Twips::width(const QWidget* widget) const {
    return recall(widget, kWidth, widget->width(), perPixelX_, toPixels);
}

int Twips::height(const QWidget* widget) const {
    return recall(widget, kHeight, widget->height(), perPixelY_, toPixels);
}

QColor bgrColor(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QFont designFont(const QString& family, qreal points, bool bold, bool italic) {
    static const std::map<QString, QStringList> substitutes = {
        {QStringLiteral("Arial"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")}},
        {QStringLiteral("Arial Black"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")}},
        {QStringLiteral("Arial Narrow"),
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow")}},
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")}},
        {QStringLiteral("Microsoft Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")}},
        {QStringLiteral("Lucida Sans Unicode"),
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS")}},
        // The same advance of 0.6 em as Lucida Console, so a line keeps its length.
        {QStringLiteral("Lucida Console"),
         {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")}},
        // DejaVu Sans grew out of the family drawn to Verdana's wide, open proportions.
        {QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")}},
    };
    QFont font;
    const QStringList families = QFontDatabase::families();
    // Families may carry their foundry, as in "Nimbus Sans [urw]".
    const auto available = [&](const QString& name) {
        return std::any_of(families.cbegin(), families.cend(), [&](const QString& f) {
            return f == name || f.startsWith(name + QStringLiteral(" ["));
        });
    };
    if (const auto it = substitutes.find(family); it != substitutes.end()) {
        for (const QString& candidate : it->second) {
            if (available(candidate)) {
                font.setFamily(candidate);
                break;
            }
        }
        if (family.startsWith(QLatin1String("Courier")) ||
            family == QLatin1String("Lucida Console")) {
            font.setStyleHint(QFont::Monospace);
        }
    } else if (available(family)) {
        font.setFamily(family);
    }
    font.setPointSizeF(points);
    // Arial Black is Arial at its heaviest weight.
    font.setWeight(family == QLatin1String("Arial Black") ? QFont::Black
                   : bold                                 ? QFont::Bold
                                                          : QFont::Normal);
    font.setItalic(italic);
    return font;
}

}  // namespace ui
