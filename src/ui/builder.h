// SPDX-License-Identifier: MIT
#pragma once

#include "ui/artwork.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QFont>
#include <QPalette>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

class Image;
class ImageButton;

// Design colours the windows share, as &H00BBGGRR& values.
inline constexpr quint32 kBlack = 0x00000000;
inline constexpr quint32 kDarkRed = 0x00000080;  // frame captions
inline constexpr quint32 kGrey = 0x00C0C0C0;     // window backgrounds
inline constexpr quint32 kGreen = 0x00008000;

// A design place in twips; a width or height of -1 sizes the control to its content.
struct Place {
    int left;
    int top;
    int width = -1;
    int height = -1;
};

// The design's Arial (or what stands in for it here).
QFont arial(qreal points = 8.25, bool bold = false, bool italic = false);

// Makes the controls the way the designer left them; every child gets its own font and
// colour so that nothing is inherited from the frame it sits in.
class Builder {
  public:
    explicit Builder(const Twips& twips) : twips_(twips) {}

    template <typename W>
    W* placed(W* widget, const Place& at, const QFont& font, quint32 colour,
              const QString& tip = {}) const {
        widget->setFont(font);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, bgrColor(colour));
        widget->setPalette(palette);
        widget->setToolTip(tip);
        if (at.width < 0 || at.height < 0) {
            widget->adjustSize();
        }
        twips_.place(widget, at.left, at.top, at.width, at.height);
        return widget;
    }

    QLabel* label(QWidget* parent, const QString& caption, const Place& at,
                  const QFont& font = arial(), quint32 colour = kBlack,
                  const QString& tip = {}) const;
    // A `maxLength` limits what a user types into the box, not what code puts there.
    QLineEdit* text(QWidget* parent, const QString& text, const Place& at, const QString& tip,
                    Qt::Alignment align = Qt::AlignLeft, quint32 colour = kBlack,
                    int maxLength = 0) const;
    QPushButton* button(QWidget* parent, const QString& caption, const Place& at,
                        const QString& tip) const;
    QGroupBox* frame(QWidget* parent, const QString& caption, const Place& at, const QString& tip,
                     const QFont& font = arial(8.25, true), quint32 colour = kDarkRed) const;
    QCheckBox* check(QWidget* parent, const QString& caption, const Place& at,
                     const QString& tip = {}) const;
    Image* image(QWidget* parent, const QPixmap& picture, const Place& at,
                 const QString& tip = {}) const;
    // The artwork drawn at the place's size, with its pressed twin.
    ImageButton* imageButton(QWidget* parent, Art art, const Place& at, const QString& tip) const;
    PictureBox* picture(QWidget* parent, const Place& at, PictureBox::Border border,
                        QColor background) const;

  private:
    const Twips& twips_;
};

}  // namespace ui
