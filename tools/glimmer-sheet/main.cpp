// SPDX-License-Identifier: MIT
// corvel-glimmer-sheet FILE: draws the splash program's four controls in their main states on
// one sheet and saves it as a PNG picture. Run it under a display (xvfb-run will do):
//
//   xvfb-run -a build/tools/corvel-glimmer-sheet docs/screenshots/glimmer-controls.png

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>
#include <functional>

#include "glimmer/controls/lumen_command.h"
#include "glimmer/controls/lumen_progress_bar.h"
#include "glimmer/controls/shadow_label.h"
#include "glimmer/controls/xp_text.h"
#include "platform/real_platform.h"
#include "ui/twips.h"

namespace {

using namespace glimmer;

constexpr OleColour rgb(quint32 rrggbb) {
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// A picture for the picture button: a small landscape.
QImage scenery(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(90, 150, 230));
    sky.setColorAt(1, QColor(200, 225, 250));
    p.fillRect(img.rect(), sky);
    p.setBrush(QColor(250, 210, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(w * 3 / 4, h / 3), h / 7, h / 7);
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygon({{0, h}, {w / 3, h / 2}, {w * 2 / 3, h * 3 / 4}, {w, h / 2}, {w, h}}));
    return img;
}

class Sheet {
  public:
    explicit Sheet(platform::Services services) : services_(services), twips_(services.screen) {
        window_.setWindowTitle(QStringLiteral("Glimmer controls"));
        QPalette p = window_.palette();
        p.setColor(QPalette::Window, Qt::white);
        window_.setPalette(p);
        window_.setAutoFillBackground(true);
        window_.resize(760, 640);
    }

    QWidget* window() { return &window_; }

    void caption(int x, int y, const QString& text) {
        auto* l = new QLabel(text, &window_);
        l->move(x, y);
        l->adjustSize();
    }

    LumenProgressBar* bar(QRect at, int orientation, float value,
                          const std::function<void(LumenProgressBar*)>& look) {
        auto* b = new LumenProgressBar(services_, &window_);
        b->InitProperties();
        b->setGeometry(at);
        b->setOrientation(orientation);
        look(b);
        b->setValue(value);
        return b;
    }

    LumenCommand* button(QRect at, const QString& text,
                         const std::function<void(LumenCommand*)>& look = {}) {
        auto* b = new LumenCommand(services_, &window_);
        b->InitProperties();
        b->setGeometry(at);
        b->setCaption(text);
        if (look) {
            look(b);
        }
        return b;
    }

    ShadowLabel* label(QRect at, const QString& text, const QFont& font, OleColour fore,
                       int alignment) {
        auto* l = new ShadowLabel(services_, &window_);
        l->InitProperties();
        l->setGeometry(at);
        l->setBackColor(rgb(0xFFFFFF));
        l->setShadowColor(rgb(0x004000));
        l->setForeColor(fore);
        l->setCaptionFont(font);
        l->setAlignment(alignment);
        l->setCaption(text);
        return l;
    }

    XPText* text(QPoint at, const QString& content) {
        auto* t = new XPText(services_, &window_);
        t->setObjectName(QStringLiteral("XPText1"));
        t->InitProperties();
        twips_.place(t, at.x() * 15, at.y() * 15, 2000, 330);
        t->setText(content);
        return t;
    }

  private:
    platform::Services services_;
    ui::Twips twips_;
    QWidget window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvel-glimmer-sheet FILE.png\n");
        return 2;
    }
    platform::RealPlatform real(QStringLiteral("corvel-glimmer-sheet"));
    Sheet sheet(real.services());
    const QFont small = ui::designFont(QStringLiteral("Arial"), 8.25);

    // Progress bars.
    sheet.caption(
        10, 8,
        QStringLiteral(
            "LumenProgressBar: gradient, blocks, solid with value text, vertical, at Min"));
    const auto splashBar = [](OleColour from, OleColour to) {
        return [from, to](LumenProgressBar* b) {
            b->setUseGradientColors(true);
            b->setScrolling(1);
            b->setBorderStyle(0);
            b->setShowValue(false);
            b->setProgressRemainColor(rgb(0xFFFFFF));
            b->setGradientFromColor(from);
            b->setGradientToColor(to);
        };
    };
    sheet.bar({10, 30, 300, 16}, 0, 60, splashBar(rgb(0x00C000), rgb(0x0000C0)));
    sheet.bar({10, 56, 300, 22}, 0, 70, [](LumenProgressBar* b) {
        b->setProgressBlockWidth(12);
        b->setShowValue(false);
    });
    sheet.bar({10, 88, 300, 22}, 0, 45, [&](LumenProgressBar* b) {
        b->setScrolling(1);
        b->setValueFont(small);
        b->setValueSuffix(QStringLiteral(" %"));
        b->setValueForeColor(rgb(0x000000));
    });
    sheet.bar({10, 120, 300, 22}, 0, 0, [](LumenProgressBar* b) { b->setShowValue(false); });
    sheet.bar({330, 30, 16, 112}, 1, 50, splashBar(rgb(0x0000C0), rgb(0x00C000)));
    sheet.bar({356, 30, 22, 112}, 1, 80, [](LumenProgressBar* b) {
        b->setProgressBlockWidth(8);
        b->setShowValue(false);
    });

    // Command buttons.
    sheet.caption(
        10, 160,
        QStringLiteral(
            "LumenCommand: rest, hover, pressed, picture, always bordered; 3-D styles 1 to 4"));
    const QFont buttonFont = ui::designFont(QStringLiteral("Arial"), 9);
    const auto face = [&](LumenCommand* b) { b->setButtonFont(buttonFont); };
    sheet.button({10, 182, 110, 40}, QStringLiteral("Rest"), face);
    LumenCommand* hover =
        sheet.button({130, 182, 110, 40}, QStringLiteral("Hover"), [&](LumenCommand* b) {
            face(b);
            b->setFontBoldOnHover(true);
            b->setToolTip(QStringLiteral("Makes the thumbnails"));
            b->setToolTipTitle(QStringLiteral("Start"));
            b->setToolTipIcon(1);
            b->setToolTipStyle(1);
        });
    LumenCommand* pressed = sheet.button({250, 182, 110, 40}, QStringLiteral("Pressed"), face);
    sheet.button({370, 182, 137, 81}, QString(), [&](LumenCommand* b) {
        b->setPictureAlignment(4);
        b->setPicture(scenery(143, 84));
    });
    sheet.button({517, 182, 110, 40}, QStringLiteral("Border"), [&](LumenCommand* b) {
        face(b);
        b->setAlwaysShowBorder(true);
        b->setCaptionAlignment(8);
    });
    for (int style = 1; style <= 4; ++style) {
        sheet.button({10 + (style - 1) * 120, 274, 110, 40}, QStringLiteral("Style %1").arg(style),
                     [&](LumenCommand* b) {
                         face(b);
                         b->setBorder3DStyle(style);
                     });
    }

    // Shadow labels.
    sheet.caption(10, 332,
                  QStringLiteral("ShadowLabel: the splash window's texts, a disabled one"));
    sheet.label({10, 352, 313, 33}, QStringLiteral("Corvel Thumbnail Utility"),
                ui::designFont(QStringLiteral("Arial"), 18), rgb(0x80FF80), 2);
    sheet.label({340, 352, 320, 32}, QStringLiteral("Brindle Software Presents:"),
                ui::designFont(QStringLiteral("Microsoft Sans Serif"), 12, true), rgb(0xFFC080), 0);
    sheet.label({10, 392, 113, 25}, QStringLiteral("Version: 2.4"),
                ui::designFont(QStringLiteral("Lucida Sans Unicode"), 9.75, true), rgb(0x00FF00),
                1);
    sheet.label({140, 392, 300, 25}, QStringLiteral("Programmed by the Corvel team"),
                ui::designFont(QStringLiteral("Lucida Sans Unicode"), 9.75, true), rgb(0x0000FF),
                1);
    ShadowLabel* off =
        sheet.label({460, 392, 200, 25}, QStringLiteral("Disabled label"),
                    ui::designFont(QStringLiteral("Arial"), 11, true), rgb(0x0000FF), 0);
    off->setCaptionEnabled(false);

    // Text boxes.
    sheet.caption(10, 436, QStringLiteral("XPText: rest, focused, disabled"));
    sheet.text({10, 458}, QStringLiteral("Text at rest"));
    XPText* focused = sheet.text({160, 458}, QStringLiteral("Focused"));
    XPText* disabled = sheet.text({310, 458}, QStringLiteral("Disabled"));
    disabled->setTextEnabled(false);

    QWidget* window = sheet.window();
    window->show();
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }

    // The looks that need the mouse or the focus.
    send(hover->surface(), QEvent::MouseMove, {30, 20});
    send(pressed->surface(), QEvent::MouseMove, {30, 20});
    send(pressed->surface(), QEvent::MouseButtonPress, {30, 20}, Qt::LeftButton);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(focused->MyTxt(), &in);
    QImage picture = window->grab().toImage();

    // The hover button's tip, as it would come up below the pointer.
    if (TipWindow* tip = hover->toolTipWindow()) {
        tip->popUp(hover->surface()->mapToGlobal(QPoint(30, 20)), {});
        QApplication::processEvents();
        const QImage tipPicture = tip->grab().toImage();
        QPainter p(&picture);
        p.drawText(QPoint(130, 545), QStringLiteral("The hover button's balloon tip:"));
        // The picture of a window leaves out its shape; the sheet keeps only what is inside.
        p.setClipRegion(tip->mask().isEmpty() ? QRegion(tipPicture.rect())
                                              : tip->mask().translated(130, 555));
        p.drawImage(QPoint(130, 555), tipPicture);
    }
    send(pressed->surface(), QEvent::MouseButtonRelease, {30, 20}, Qt::LeftButton);
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "corvel-glimmer-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
