// SPDX-License-Identifier: MIT
#include "mainwindow/bubble.h"

#include "ui/artwork.h"
#include "ui/builder.h"
#include "ui/controls.h"

#include <QWindow>

QRegion maskRegion(const QImage& mask) {
    QRegion region;
    if (mask.isNull()) {
        return region;
    }
    const QImage pixels = mask.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < pixels.width()) {
            while (x < pixels.width() && row[x] == transparent) {
                ++x;
            }
            const int start = x;
            while (x < pixels.width() && row[x] != transparent) {
                ++x;
            }
            if (x > start) {
                region += QRect(start, y, x - start, 1);
            }
        }
    }
    return region;
}

Bubble::Bubble(QWidget* owner, platform::EventLoop& loop, const ui::Twips& twips,
               std::function<QString()> tipText, std::function<void()> closed)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      Timer1(loop, 100),
      owner_(owner),
      twips_(twips),
      tipText_(std::move(tipText)),
      closed_(std::move(closed)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Helper Tip"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    const ui::Builder make(twips_);
    const QString offTip = QStringLiteral("Click The Helper Tips Toolbar Button To Turn Off Tips");
    Picture2 = make.picture(this, {0, 0, 3315, 915}, ui::PictureBox::Border::None, Qt::black);
    Picture2->setPicture(ui::artworkImage(ui::Art::BubbleBar, {twips_.pxX(3315), twips_.pxY(915)}));
    Picture2->setToolTip(offTip);

    Label1 = make.label(Picture2, QStringLiteral("Welcome"), {105, 90, 2460, 195}, ui::arial(),
                        0x00FFFFFF, offTip);
    Label1->setAlignment(Qt::AlignCenter);
    QPalette onBlack = Label1->palette();
    onBlack.setColor(QPalette::Window, Qt::black);
    Label1->setPalette(onBlack);
    Label1->setAutoFillBackground(true);

    Label2 = make.label(
        Picture2, QStringLiteral("X"), {2565, 60, 255, 285}, ui::arial(8.25, true), 0x000000FF,
        QStringLiteral("Close Helper Tip (Click The Helper Tips Toolbar Button To Turn Off Tips)"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFrameShape(QFrame::Box);
    QPalette redOnBlack = Label2->palette();
    redOnBlack.setColor(QPalette::Window, Qt::black);
    Label2->setPalette(redOnBlack);
    Label2->setAutoFillBackground(true);
    Label2->setCursor(Qt::PointingHandCursor);
    ui::onClick(Label2, [this] { Label2_Click(); });

    Picture1 = make.picture(this, {0, 0, -1, -1}, ui::PictureBox::Border::None, Qt::black);
    Form_Load();

    Timer1.onTick([this] { Timer1_Timer(); });
    Timer1.setEnabled(true);
}

void Bubble::Form_Load() {
    Picture1->hide();
    Picture1->setAutoSize(true);
    Picture1->setPicture(ui::artworkImage(ui::Art::BubbleMask));
    twips_.resize(this, twips_.width(Picture1) - 30, twips_.height(Picture1) - 30);
    setMask(maskRegion(Picture1->picture()));
    update();
}

void Bubble::placeAt(int leftTwips, int topTwips) {
    twips_.move(this, leftTwips, topTwips);
}

void Bubble::showTip() {
    if (isVisible()) {
        return;
    }
    // Owned by the main window: the window manager keeps it above its owner and out of the
    // task bar. The owner is no Qt parent, so disabling it does not disable the bubble.
    if (owner_ != nullptr && owner_->windowHandle() != nullptr) {
        winId();
        windowHandle()->setTransientParent(owner_->windowHandle());
    }
    show();
}

void Bubble::Timer1_Timer() {
    const QString display = tipText_() + QString(10, QLatin1Char(' '));
    if (scroll_ < 1) {
        scroll_ = 1;
    }
    scroll_ += 1;
    if (scroll_ > display.size()) {
        scroll_ = 1;
    }
    const auto at = static_cast<qsizetype>(scroll_);
    const QString rotated = display.mid(at - 1) + display.left(at);
    Label1->setText(rotated.left(30));
}

void Bubble::Label2_Click() {
    hide();
    if (closed_) {
        closed_();
    }
}
