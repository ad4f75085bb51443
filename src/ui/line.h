// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace ui {

// The line control: a one-pixel line between two points of its parent.
class Line : public QWidget {
  public:
    explicit Line(QWidget* parent, QColor colour = Qt::black);
    void setPoints(QPoint from, QPoint to);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    QPoint from_;
    QPoint to_;
};

}  // namespace ui
