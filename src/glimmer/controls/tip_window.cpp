// SPDX-License-Identifier: MIT
#include "glimmer/controls/tip_window.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace glimmer {

namespace {

constexpr int kMargin = 4;         // between the frame and the text of a standard tip
constexpr int kBalloonMargin = 8;  // of a balloon
constexpr int kStem = 12;          // height of the balloon's stem
constexpr int kRadius = 6;
constexpr int kIcon = 16;
constexpr int kMaxTextWidth = 320;

QFont titleFont(const QFont& base) {
    QFont f = base;
    f.setBold(true);
    return f;
}

QStyle::StandardPixmap iconPixmap(TipWindow::TitleIcon icon) {
    switch (icon) {
        case TipWindow::TitleIcon::Warning:
            return QStyle::SP_MessageBoxWarning;
        case TipWindow::TitleIcon::Error:
            return QStyle::SP_MessageBoxCritical;
        default:
            return QStyle::SP_MessageBoxInformation;
    }
}

}  // namespace

TipWindow::TipWindow(QWidget* owner, const QString& text, const Look& look)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput),
      text_(text),
      look_(look) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    reshape();
}

void TipWindow::setText(const QString& text) {
    text_ = text;
    reshape();
    update();
}

QSize TipWindow::contentSize() const {
    const QFontMetrics fm(font());
    const QRect body = fm.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), Qt::TextWordWrap, text_);
    int w = body.width();
    int h = body.height();
    if (!look_.title.isEmpty() || look_.icon != TitleIcon::None) {
        const QFontMetrics tm(titleFont(font()));
        const int icon = look_.icon == TitleIcon::None ? 0 : kIcon + kMargin;
        w = std::max(w, icon + tm.horizontalAdvance(look_.title));
        h += std::max(tm.height(), look_.icon == TitleIcon::None ? 0 : kIcon) + kMargin;
    }
    return {w, h};
}

QRect TipWindow::bodyRect() const {
    return look_.balloon ? QRect(0, kStem, width(), height() - kStem) : rect();
}

void TipWindow::reshape() {
    const int margin = look_.balloon ? kBalloonMargin : kMargin;
    const QSize content = contentSize();
    resize(content.width() + 2 * margin + 2,
           content.height() + 2 * margin + 2 + (look_.balloon ? kStem : 0));
    stemX_ = std::min(16, width() / 2);
    if (look_.balloon) {
        QPainterPath path;
        path.addRoundedRect(QRectF(bodyRect()), kRadius, kRadius);
        QPolygonF stem;
        stem << QPointF(stemX_, 0) << QPointF(stemX_, kStem + 1)
             << QPointF(stemX_ + kStem, kStem + 1);
        path.addPolygon(stem);
        setMask(QRegion(path.simplified().toFillPolygon().toPolygon()));
    } else {
        clearMask();
    }
}

void TipWindow::popUp(QPoint pointer, QRect tool) {
    reshape();
    QPoint at;
    if (look_.balloon) {
        // The stem points at the spot; the balloon hangs below it.
        const QPoint spot = look_.centred ? QPoint(tool.center().x(), tool.bottom()) : pointer;
        at = spot - QPoint(stemX_, 0);
    } else if (look_.centred) {
        at = QPoint(tool.center().x() - width() / 2, tool.bottom() + 2);
    } else {
        at = pointer + QPoint(0, 20);  // clear of the pointer's arrow
    }
    if (const QScreen* screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(at);
    show();
    raise();
}

void TipWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, look_.balloon);
    const QRect body = bodyRect();
    p.setPen(look_.text);
    p.setBrush(look_.background);
    if (look_.balloon) {
        QPainterPath path;
        path.addRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
        QPolygonF stem;
        stem << QPointF(stemX_ + 0.5, 0.5) << QPointF(stemX_ + 0.5, kStem + 1.0)
             << QPointF(stemX_ + kStem, kStem + 1.0);
        path.addPolygon(stem);
        p.drawPath(path.simplified());
    } else {
        p.drawRect(body.adjusted(0, 0, -1, -1));
    }
    const int margin = look_.balloon ? kBalloonMargin : kMargin;
    QRect inner = body.adjusted(margin + 1, margin + 1, -margin - 1, -margin - 1);
    if (!look_.title.isEmpty() || look_.icon != TitleIcon::None) {
        const QFontMetrics tm(titleFont(font()));
        const int line = std::max(tm.height(), look_.icon == TitleIcon::None ? 0 : kIcon);
        int x = inner.left();
        if (look_.icon != TitleIcon::None) {
            const QIcon icon = style()->standardIcon(iconPixmap(look_.icon));
            icon.paint(&p, QRect(x, inner.top() + (line - kIcon) / 2, kIcon, kIcon));
            x += kIcon + kMargin;
        }
        p.setFont(titleFont(font()));
        p.drawText(QRect(x, inner.top(), inner.right() - x + 1, line),
                   Qt::AlignLeft | Qt::AlignVCenter, look_.title);
        inner.setTop(inner.top() + line + kMargin);
        p.setFont(font());
    }
    p.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

}  // namespace glimmer
