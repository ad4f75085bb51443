// SPDX-License-Identifier: MIT
#pragma once

// Small stand-ins for the splash window's three self-drawn controls, with only what the
// window uses, until the full controls (src/glimmer/controls/) are in the tree.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace glimmer::standin {

// A gradient bar that a value uncovers: from the bottom (vertical) or the left (horizontal).
class LumenProgressBar : public QWidget {
  public:
    explicit LumenProgressBar(QWidget* parent);

    float value() const { return value_; }
    // Kept within Min to Max.
    void setValue(float value);
    float max() const { return max_; }
    void setMax(float max);
    void setVertical(bool vertical);
    void setGradientColors(QColor from, QColor to);
    void setRemainColor(QColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    float value_ = 50;
    float min_ = 0;
    float max_ = 100;
    bool vertical_ = false;
    QColor from_{0x00, 0xFF, 0x00};
    QColor to_{0xFF, 0x00, 0x00};
    QColor remain_{Qt::white};
};

// A caption drawn over three rings of shadow fading into the background.
class ShadowLabel : public QWidget {
  public:
    explicit ShadowLabel(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // 0 left, 1 right, 2 centred
    void setAlignment(int alignment);
    void setColours(QColor fore, QColor back, QColor shadow);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    int alignment_ = 0;
    QColor fore_{Qt::black};
    QColor back_{Qt::white};
    QColor shadow_{Qt::gray};
};

// A picture button: the picture centred (cut at the edges when larger), a raised border
// while the mouse is over it and a sunken one while it is pressed.
class LumenCommand : public QWidget {
  public:
    explicit LumenCommand(QWidget* parent);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    bool pressed() const { return pressed_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
    bool hovering_ = false;
    bool pressed_ = false;
};

}  // namespace glimmer::standin
