// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace glimmer {

// The command button's tooltip: a small top-level window of its own, as the toolkit's tooltip
// has no title, title icon or balloon shape. It never takes the focus or the mouse.
class TipWindow : public QWidget {
  public:
    enum class TitleIcon { None, Information, Warning, Error };
    struct Look {
        QString title;
        TitleIcon icon = TitleIcon::None;
        bool balloon = false;
        bool centred = false;  // under the middle of the tool rather than under the pointer
        QColor text = Qt::black;
        QColor background = QColor(0xFF, 0xFF, 0xE1);
    };

    TipWindow(QWidget* owner, const QString& text, const Look& look);

    QString text() const { return text_; }
    void setText(const QString& text);
    const Look& look() const { return look_; }

    // Shows the tip below `pointer`, or centred below `tool` (both in screen pixels), kept on
    // the screen.
    void popUp(QPoint pointer, QRect tool);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize contentSize() const;
    QRect bodyRect() const;
    void reshape();

    QString text_;
    Look look_;
    int stemX_ = 0;  // where the balloon's stem meets the pointed-at spot, in window pixels
};

}  // namespace glimmer
