// SPDX-License-Identifier: MIT
// The splash window's controls at their design places, in twips.

#include "glimmer/splash/frm_splash.h"
#include "ui/artwork.h"

#include <QPalette>

namespace glimmer {

namespace {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

struct BarDesign {
    Place at;
    bool vertical;
    QColor from;
    QColor to;
    float max;
};

struct LabelDesign {
    Place at;
    const char* caption;
    int alignment;  // 0 left, 1 right, 2 centred
    QColor fore;
    const char* family;
    qreal points;
    bool bold;
};

const QColor kBlue{0x00, 0x00, 0xC0};
const QColor kGreen{0x00, 0xC0, 0x00};
const QColor kShadow{0x00, 0x40, 0x00};

// bar(0) .. bar(3), then barlogo
const BarDesign kBars[] = {
    {{5520, 0, 135, 3015}, true, kBlue, kGreen, 85},
    {{0, 3000, 5655, 135}, false, kGreen, kBlue, 85},
    {{0, 0, 135, 3015}, true, kGreen, kBlue, 85},
    {{120, 0, 5535, 135}, false, kBlue, kGreen, 85},
    {{5040, 600, 375, 2085}, true, kBlue, kGreen, 180},
};

const LabelDesign kVersion{{3240, 1120, 1695, 375}, "Version: 2.4", 1,   {0x00, 0xFF, 0x00},
                           "Lucida Sans Unicode",   9.75,           true};
const LabelDesign kNotice{{3120, 860, 1815, 375},
                          "\u00A9 Brindle",
                          1,
                          {0x00, 0xFF, 0x00},
                          "Lucida Sans Unicode",
                          9.75,
                          true};
const LabelDesign kProductName{
    {180, 2500, 4695, 495}, "Corvel Thumbnail Utility", 2, {0x80, 0xFF, 0x80}, "Arial", 18, false};
const LabelDesign kCredit{{1560, 230, 3375, 375},
                          "Written by the Brindle team",
                          1,
                          {0x00, 0x00, 0xFF},
                          "Lucida Sans Unicode",
                          9.75,
                          true};
const LabelDesign kPresents{{240, 2180, 3615, 495},
                            "Brindle Software Presents:",
                            0,
                            {0xFF, 0xC0, 0x80},
                            "Microsoft Sans Serif",
                            12,
                            true};
const LabelDesign kKestrel{{2400, 600, 2535, 375},
                           "www.kestrel.example",
                           1,
                           {0x00, 0xFF, 0x00},
                           "Lucida Sans Unicode",
                           9.75,
                           true};

}  // namespace

void FrmSplash::buildControls() {
    twips.resize(this, 5640, 3105);
    setWindowTitle(QString());
    setWindowIcon(QIcon(ui::artwork(ui::Art::SplashIcon)));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    const auto place = [this](QWidget* widget, const Place& at, bool shown) {
        twips.place(widget, at.left, at.top, at.width, at.height);
        widget->setVisible(shown);
        return widget;
    };
    const auto label = [&](const LabelDesign& design) {
        auto* made = new ShadowLabel(this);
        made->setCaption(QString::fromUtf8(design.caption));
        made->setAlignment(design.alignment);
        made->setColours(design.fore, Qt::white, kShadow);
        made->setFont(
            ui::designFont(QString::fromLatin1(design.family), design.points, design.bold));
        place(made, design.at, false);
        return made;
    };
    const auto picture = [&](ui::Art art, QSize size, const Place& at) {
        auto* made = new ui::Image(this, ui::artwork(art, false, size));
        place(made, at, false);
        return made;
    };
    const auto progressBar = [&](const BarDesign& design) {
        auto* made = new LumenProgressBar(this);
        made->setMax(design.max);
        made->setValue(0);
        made->setVertical(design.vertical);
        made->setGradientColors(design.from, design.to);
        made->setRemainColor(Qt::white);
        place(made, design.at, true);
        return made;
    };

    LumenCommand1 = new LumenCommand(this);
    LumenCommand1->setPicture(ui::artwork(ui::Art::SplashPicture));
    LumenCommand1->setCursor(Qt::PointingHandCursor);
    place(LumenCommand1, {240, 480, 2055, 1215}, false);
    ShadowLabel1 = label(kVersion);
    ShadowLabel2 = label(kNotice);
    lblProductName = label(kProductName);
    lblLicenseTo = label(kCredit);
    lblCopyright = label(kPresents);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setFont(ui::designFont(QStringLiteral("Arial Narrow"), 8.25));
    place(cmdClose, {4920, 2760, 615, 255}, false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    for (const std::size_t i : {0, 2, 3, 1}) {
        bar[i] = progressBar(kBars[i]);
    }
    barlogo = progressBar(kBars[4]);
    ShadowLabel3 = label(kKestrel);
    Line1 = new ui::Line(this);
    Line1->setPoints({twips.pxX(240), twips.pxY(1920)}, {twips.pxX(3120), twips.pxY(1920)});
    Line1->hide();
    Image2 = picture(ui::Art::Logo, {48, 48}, {4200, 1560, 780, 780});
    imgLogo = picture(ui::Art::SplashMark, {}, {5040, 120, 375, 465});
    Image1 = picture(ui::Art::SplashStrip, {}, {240, 1710, 2925, 315});

    // The control the window defines first lies in front: where two overlap, the earlier one
    // covers the later (the version under the notice, the presenter line under the name).
    for (QObject* child : children()) {
        if (auto* control = qobject_cast<QWidget*>(child)) {
            control->lower();
        }
    }
}

}  // namespace glimmer
