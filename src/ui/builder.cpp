// SPDX-License-Identifier: MIT
#include "ui/builder.h"

#include "ui/image.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ui {

QFont arial(qreal points, bool bold, bool italic) {
    return designFont(QStringLiteral("Arial"), points, bold, italic);
}

QLabel* Builder::label(QWidget* parent, const QString& caption, const Place& at, const QFont& font,
                       quint32 colour, const QString& tip) const {
    return placed(new QLabel(caption, parent), at, font, colour, tip);
}

QLineEdit* Builder::text(QWidget* parent, const QString& text, const Place& at, const QString& tip,
                         Qt::Alignment align, quint32 colour, int maxLength) const {
    auto* box = placed(new QLineEdit(text, parent), at, arial(), kBlack, tip);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, bgrColor(colour));
    box->setPalette(palette);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    if (maxLength > 0) {
        // A limit on what is typed (or pasted), not on what the program shows: a maximum
        // length would cut text set in code as well.
        const QString limit = QStringLiteral(".{0,%1}").arg(maxLength);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(limit), box));
    }
    return box;
}

QPushButton* Builder::button(QWidget* parent, const QString& caption, const Place& at,
                             const QString& tip) const {
    auto* b = placed(new QPushButton(caption, parent), at, arial(8.25, true), kBlack, tip);
    b->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return b;
}

QGroupBox* Builder::frame(QWidget* parent, const QString& caption, const Place& at,
                          const QString& tip, const QFont& font, quint32 colour) const {
    return placed(new QGroupBox(caption, parent), at, font, colour, tip);
}

QCheckBox* Builder::check(QWidget* parent, const QString& caption, const Place& at,
                          const QString& tip) const {
    auto* box = new QCheckBox(caption, parent);
    // The designed boxes are narrow; a tighter gap keeps "Number" whole.
    box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    return placed(box, at, arial(), kBlack, tip);
}

Image* Builder::image(QWidget* parent, const QPixmap& picture, const Place& at,
                      const QString& tip) const {
    return placed(new Image(parent, picture), at, arial(), kBlack, tip);
}

ImageButton* Builder::imageButton(QWidget* parent, Art art, const Place& at,
                                  const QString& tip) const {
    const QSize size(twips_.pxX(at.width), twips_.pxY(at.height));
    auto* button = new ImageButton(parent, artwork(art, false, size), artwork(art, true, size));
    button->twin()->setToolTip(tip);
    return placed(button, at, arial(), kBlack, tip);
}

PictureBox* Builder::picture(QWidget* parent, const Place& at, PictureBox::Border border,
                             QColor background) const {
    auto* box = new PictureBox(parent, border, background);
    twips_.place(box, at.left, at.top, at.width, at.height);
    return box;
}

}  // namespace ui
