// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace ui {

// The image control: shows a picture stretched to its box, with an optional one-pixel border;
// reports clicks.
class Image : public QWidget {
    Q_OBJECT
  public:
    explicit Image(QWidget* parent, QPixmap picture = {});

    void setPicture(const QPixmap& picture);
    void setPicture(const QImage& picture) { setPicture(QPixmap::fromImage(picture)); }
    const QPixmap& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    void setBorder(bool on);
    // Where the picture is drawn, stretched: the whole widget, less the border when it has one.
    QRect pictureRect() const { return border_ ? rect().adjusted(1, 1, -1, -1) : rect(); }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
    bool border_ = false;
    bool pressed_ = false;
};

// A clickable toolbar image with its pressed twin: a hidden image in the same place, in
// front of it, that a click shows for a moment before the image acts.
// It takes the focus from Tab (not from a click, so a click leaves the focus where the user
// put it) and presses on Space and Enter.
class ImageButton : public Image {
    Q_OBJECT
  public:
    ImageButton(QWidget* parent, QPixmap picture, QPixmap pressedPicture);

    // What a click does, for the keyboard and assistive tools.
    void press() { emit clicked(); }

    Image* twin() const { return twin_; }
    // Shows or hides the pressed look; the window decides how long it lasts.
    void setPressed(bool pressed);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Image* twin_;
};

}  // namespace ui
