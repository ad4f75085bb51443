// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen.h"

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace ui {

// Windows are designed in twips; this places widgets from twips with the screen's twips per
// pixel, and reads their place back in twips.
class Twips {
  public:
    explicit Twips(const platform::Screen& screen)
        : perPixelX_(screen.twipsPerPixelX()), perPixelY_(screen.twipsPerPixelY()) {}

    // Twips to whole pixels, to the nearest pixel as the desktop does.
    int pxX(int twips) const { return toPixels(twips, perPixelX_); }
    int pxY(int twips) const { return toPixels(twips, perPixelY_); }
    int twipsX(int px) const { return px * perPixelX_; }
    int twipsY(int px) const { return px * perPixelY_; }

    // A width or height of -1 keeps the widget's own size (a label sized to its caption).
    // The twips given are kept with the widget, so reading a place back gives the designed
    // value and not one rounded through pixels.
    void place(QWidget* widget, int left, int top, int width = -1, int height = -1) const;
    void move(QWidget* widget, int left, int top) const;
    void setLeft(QWidget* widget, int left) const;
    void setTop(QWidget* widget, int top) const;
    void setWidth(QWidget* widget, int width) const;
    void setHeight(QWidget* widget, int height) const;
    void resize(QWidget* widget, int width, int height) const;
    int left(const QWidget* widget) const;
    int top(const QWidget* widget) const;
    int width(const QWidget* widget) const;
    int height(const QWidget* widget) const;

  private:
    static int toPixels(int twips, int perPixel);
    int perPixelX_;
    int perPixelY_;
};

// A colour written as the old desktop's &H00BBGGRR& value.
QColor bgrColor(quint32 bgr);

// The font the design names, or the metric-compatible one this machine has ("Arial" becomes
// Liberation Sans or Nimbus Sans, "Courier New" Liberation Mono or Nimbus Mono PS); a missing
// family falls back to the desktop's own.
QFont designFont(const QString& family, qreal points, bool bold = false, bool italic = false);

}  // namespace ui
