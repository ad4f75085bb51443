// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace ui {

// The picture surface: a loaded picture plus a persistent drawing that survives repaints
// and resizes, a frame drawn inside its outer size, and "size to picture".
class PictureBox : public QWidget {
  public:
    enum class Border { None, Flat, Sunken };

    explicit PictureBox(QWidget* parent, Border border = Border::Flat,
                        QColor background = Qt::black);

    // Replaces the picture and draws it at the top left of the drawing area; with
    // autoSize the outer size follows the picture.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    // Removes the picture and clears the drawing to the background.
    void clear();

    void setAutoSize(bool on);

    // Outer size, frame included; the drawing area is the outer size less the frame.
    void setOuterSize(QSize outer);
    QSize innerSize() const;

    // Persistent drawing, in pixels of the drawing area.
    void drawImage(QPoint at, const QImage& image, QRect sourceRect = {});
    const QImage& drawing() const {
        resizeDrawing(innerSize());
        return drawing_;
    }

    // Pixels the border takes on each side.
    int borderWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The drawing follows the outer size even before a resize event has been delivered.
    void resizeDrawing(QSize inner) const;

    const Border border_;
    const QColor background_;
    bool autoSize_ = false;
    QImage picture_;
    mutable QImage drawing_;
};

}  // namespace ui
