// SPDX-License-Identifier: MIT
#include "glimmer/controls/shadow_label.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace glimmer {

QColor Blend(QColor p, QColor q, double r) {
    r = std::clamp(r, 0.0, 100.0);
    const auto channel = [r](int a, int b) {
        return std::clamp(nearest(a + (b - a) * r / 100.0), 0, 255);
    };
    return QColor(channel(p.red(), q.red()), channel(p.green(), q.green()),
                  channel(p.blue(), q.blue()));
}

namespace {

// The copies of the caption, outermost ring first, as shifts of the base rectangle; the text
// itself lies at (-3, -3).
struct Copy {
    int dx;
    int dy;
};
struct Ring {
    int percent;  // of the way from the shadow colour to the background
    std::initializer_list<Copy> copies;
};
const Ring rings[] = {
    {80, {{0, 0}, {-1, 0}, {-2, 0}, {-3, 0}, {0, -1}, {0, -2}, {0, -3}}},
    {60, {{-1, -1}, {-2, -1}, {-3, -1}, {-1, -2}, {-1, -3}}},
    {40, {{-2, -2}, {-3, -2}, {-2, -3}}},
};

}  // namespace

ShadowLabel::ShadowLabel(const platform::Services& services, QWidget* parent)
    : UserControl(services, parent), font_(containerFont()) {
    surface()->installEventFilter(this);
}

void ShadowLabel::changed(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

void ShadowLabel::setCaption(const QString& caption) {
    caption_ = caption;
    changed("Caption");
    emit Change();
    Redraw();
}

void ShadowLabel::setAlignment(int alignment) {
    alignment_ = alignment;
    changed("Alignment");
    Redraw();
}

void ShadowLabel::setAutosize(bool on) {
    autosize_ = on;
    changed("Autosize");
    Redraw();
}

void ShadowLabel::setWordWrap(bool on) {
    wordWrap_ = on;
    changed("WordWrap");
    Redraw();
}

void ShadowLabel::setForeColor(OleColour colour) {
    foreColor_ = colour;
    changed("ForeColor");
    Redraw();
}

void ShadowLabel::setBackColor(OleColour colour) {
    backColor_ = colour;
    changed("BackColor");
    Redraw();
}

void ShadowLabel::setShadowColor(OleColour colour) {
    shadowColor_ = colour;
    changed("ShadowColor");
    Redraw();
}

void ShadowLabel::setCaptionFont(const QFont& font) {
    font_ = font;
    changed("Font");
    Redraw();
}

void ShadowLabel::setCaptionEnabled(bool on) {
    enabled_ = on;
    changed("Enabled");
    Redraw();
}

void ShadowLabel::InitProperties() {
    caption_ = containerName();
    alignment_ = 0;
    autosize_ = false;
    wordWrap_ = true;
    foreColor_ = sys::ButtonText;
    backColor_ = sys::ButtonFace;
    shadowColor_ = sys::ButtonShadow;
    font_ = containerFont();
    enabled_ = true;
    Redraw();
}

void ShadowLabel::ReadProperties(const PropertyBag& bag) {
    caption_ = bag.readText(QStringLiteral("Caption"), containerName());
    alignment_ = bag.readInt(QStringLiteral("Alignment"), 0);
    autosize_ = bag.readBool(QStringLiteral("Autosize"), false);
    foreColor_ = bag.readColour(QStringLiteral("ForeColor"), sys::ButtonText);
    backColor_ = bag.readColour(QStringLiteral("BackColor"), sys::ButtonFace);
    shadowColor_ = bag.readColour(QStringLiteral("ShadowColor"), sys::ButtonShadow);
    wordWrap_ = bag.readBool(QStringLiteral("WordWrap"), true);
    font_ = bag.readFont(QStringLiteral("Font"), containerFont());
    enabled_ = bag.readBool(QStringLiteral("Enabled"), true);
}

void ShadowLabel::WriteProperties(PropertyBag& bag) const {
    using C = PropertyBag::Colour;
    bag.write(QStringLiteral("Caption"), caption_, containerName());
    bag.write(QStringLiteral("Alignment"), qint32{alignment_}, qint32{0});
    bag.write(QStringLiteral("Autosize"), autosize_, false);
    bag.write(QStringLiteral("ForeColor"), C{foreColor_}, C{sys::ButtonText});
    bag.write(QStringLiteral("BackColor"), C{backColor_}, C{sys::ButtonFace});
    bag.write(QStringLiteral("ShadowColor"), C{shadowColor_}, C{sys::ButtonShadow});
    bag.write(QStringLiteral("WordWrap"), wordWrap_, true);
    bag.write(QStringLiteral("Font"), font_, containerFont());
    bag.write(QStringLiteral("Enabled"), enabled_, true);
}

void ShadowLabel::Redraw() {
    // The Autosize resize below asks for a redraw of its own; this run draws the resized
    // control itself, so a nested run would only repeat it (or, with a size that never
    // settles, recurse without end).
    if (redrawing_) {
        return;
    }
    redrawing_ = true;
    Surface* s = surface();
    s->setBackground(colour(backColor_));
    s->clear();

    const QSize area = surfaceSize();
    QRect r(QPoint(3, 3),
            QPoint(nearest(area.width() - 3.0) - 1, nearest(area.height() - 3.0) - 1));
    int align = Qt::AlignLeft;
    if (alignment_ == 1) {
        align = Qt::AlignRight;
    } else if (alignment_ == 2) {
        align = Qt::AlignHCenter;
    }
    // The desktop's text drawing turns & into an underlined access key.
    const int flags = align | Qt::AlignTop | Qt::TextShowMnemonic |
                      (wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);

    if (autosize_) {
        const QRect extent = QFontMetrics(font_).boundingRect(
            QRect(r.topLeft(), QSize(1 << 20, 1 << 20)),
            align | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine, caption_);
        r.setSize(QSize(extent.width(), caption_.isEmpty() ? 0 : extent.height()));
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        twips_.resize(this, twips_.twipsX(right), twips_.twipsY(bottom));
        s->image();  // the back buffer follows the new size
    }

    const QColor back = colour(backColor_);
    const QColor shadow = enabled_ ? colour(shadowColor_) : colour(sys::GrayText);
    QImage& image = s->image();
    if (!r.isEmpty() && !caption_.isEmpty()) {
        QPainter painter(&image);
        painter.setFont(font_);
        const auto draw = [&](QColor c, Copy shift) {
            const QRect at = r.translated(shift.dx, shift.dy);
            painter.setClipRect(at);
            painter.setPen(c);
            painter.drawText(at, flags, caption_);
        };
        for (const Ring& ring : rings) {
            const QColor c = Blend(shadow, back, ring.percent);
            for (const Copy& copy : ring.copies) {
                draw(c, copy);
            }
        }
        draw(enabled_ ? colour(foreColor_) : colour(sys::GrayText), {-3, -3});
    }
    if (!painting_) {
        s->update();
    }
    redrawing_ = false;
}

void ShadowLabel::UserControl_Resize() {
    Redraw();
}

void ShadowLabel::UserControl_Show() {
    Redraw();
}

void ShadowLabel::UserControl_Paint() {
    // The surface is being painted with what Redraw leaves; asking for another paint from
    // here would never end.
    painting_ = true;
    Redraw();
    painting_ = false;
}

bool ShadowLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != surface()) {
        return UserControl::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto args = [&] {
        return std::tuple{buttonOf(mouse), shiftCode(mouse->modifiers()),
                          static_cast<float>(mouse->position().x()),
                          static_cast<float>(mouse->position().y())};
    };
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            pressed_ = mouse->button() == Qt::LeftButton;
            const auto [b, sh, x, y] = args();
            emit MouseDown(b, sh, x, y);
            return true;
        }
        case QEvent::MouseMove: {
            const auto [b, sh, x, y] = args();
            emit MouseMove(b, sh, x, y);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto [b, sh, x, y] = args();
            emit MouseUp(b, sh, x, y);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                               surface()->rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click) {
                emit Click();
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
            pressed_ = false;
            emit DblClick();
            return true;
        default:
            return UserControl::eventFilter(watched, event);
    }
}

}  // namespace glimmer
