// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/colours.h"
#include "platform/services.h"
#include "ui/twips.h"

#include <QImage>
#include <QWidget>

class QMouseEvent;

namespace glimmer {

class UserControl;

// A control's drawing area: a back buffer that keeps what was drawn on it (it grows with the
// area, new parts in the background colour), shown as it stands whenever the area is painted.
class Surface : public QWidget {
  public:
    explicit Surface(UserControl* owner);

    // The back buffer, as large as the area.
    QImage& image();
    void clear();
    void setBackground(QColor colour) { background_ = colour; }
    QColor background() const { return background_; }

    // A desktop line: from `from` up to, but not including, `to`; horizontal or vertical.
    void line(QPoint from, QPoint to, QColor colour);
    // A filled box with both corners inside.
    void box(QPoint corner, QPoint opposite, QColor colour);

    // The desktop controls' gradient: one-pixel lines across the area from `from` towards
    // `to`, the colour sums kept in single precision and each line in the sums rounded to
    // the nearest integer. Across the area: columns from x = 0 to the width; down it: rows
    // from y = 0 to the height, or from the height up to 0.
    enum class Run { Columns, RowsDown, RowsUp };
    void gradient(QColor from, QColor to, Run run);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    UserControl* owner_;
    QColor background_ = Qt::white;
    QImage image_;
};

// What the splash program's self-drawn controls share: a drawing surface inside an optional
// frame, the container's name and font, colour translation with the control's palette, the
// changed-property notice, and the desktop's mouse arguments.
class UserControl : public QWidget {
    Q_OBJECT
  public:
    UserControl(const platform::Services& services, QWidget* parent);

    Surface* surface() const { return surface_; }
    // The size of the surface: the control's size less the frame. It follows a resize at
    // once, also while the control is hidden and its resize event still pending.
    QSize surfaceSize() const;
    // What the surface holds now; tests and the screenshot sheet read it.
    const QImage& backBuffer() const { return surface_->image(); }

    // The name the container knows the control by, and the font it had when the control was
    // placed in it.
    QString containerName() const { return objectName(); }
    const QFont& containerFont() const { return containerFont_; }

    QColor colour(OleColour c) const { return translateOrBlack(c, palette()); }

    // The desktop's mouse arguments: buttons 1 left, 2 right, 4 middle; shift keys 1 Shift,
    // 2 Ctrl, 4 Alt.
    static short buttonCode(Qt::MouseButtons buttons);
    static short shiftCode(Qt::KeyboardModifiers modifiers);
    // The button a press or release is about, or the buttons held during a move.
    static short buttonOf(const QMouseEvent* event);

    // The mouse pointer codes of the layouts (0 default, 1 arrow, 2 cross, 3 I-beam, ...,
    // 99 custom with `icon`, or `customFallback` when no icon is set).
    static void applyMousePointer(QWidget* widget, int pointer, const QImage& icon,
                                  Qt::CursorShape customFallback = Qt::ArrowCursor);

  signals:
    // The container is to save the property named.
    void PropertyChanged(const QString& name);

  protected:
    friend class Surface;
    // The frame round the surface takes this many pixels on each side.
    void setFrameWidth(int px);
    int frameWidth() const { return frame_; }
    virtual void paintFrame(QPainter& /*painter*/) {}

    // Desktop control events: the surface was resized, the control is shown, the surface is
    // about to be painted.
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Paint() {}

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    platform::Services services_;
    ui::Twips twips_;

  private:
    void placeSurface();

    Surface* surface_;
    QFont containerFont_;
    int frame_ = 0;
};

}  // namespace glimmer
