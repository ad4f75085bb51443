// SPDX-License-Identifier: MIT
// The splash window's controls: made in the order the window defines them, then given their
// places and settings from the stored layout, each through its property bag.

#include "glimmer/splash/frm_splash.h"
#include "glimmer/splash/splash_layout.h"
#include "ui/artwork.h"

#include <QPainter>

#include <map>
#include <vector>

namespace glimmer {

namespace {

// The font a layout names, as this machine has it.
QFont onThisMachine(const QFont& designed) {
    return ui::designFont(designed.family(), designed.pointSizeF(), designed.bold(),
                          designed.italic());
}

// A bag whose font, if any, is replaced by the one this machine draws it with.
PropertyBag withLocalFont(PropertyBag bag) {
    if (bag.contains(QStringLiteral("Font"))) {
        bag.write(QStringLiteral("Font"), onThisMachine(bag.readFont(QStringLiteral("Font"), {})),
                  QFont());
    }
    return bag;
}

// The design's pictures are 24-bit bitmaps: ours are drawn on the window's white, so nothing
// behind them shows through (the picture button's face lies wholly under its picture).
QImage bitmap(ui::Art art) {
    QImage picture(ui::artSize(art), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, ui::artworkImage(art));
    return picture;
}

}  // namespace

void FrmSplash::buildControls() {
    const std::vector<LayoutBlock> layout = storedLayout();
    const auto blockOf = [&](const QString& name) -> const LayoutBlock* {
        for (const LayoutBlock& block : layout) {
            if (block.name == name) {
                return &block;
            }
        }
        return nullptr;
    };

    // The window first: its font is the one its controls take as their container's.
    setWindowTitle(QString());
    setWindowIcon(QIcon(ui::artwork(ui::Art::SplashIcon)));
    setAutoFillBackground(true);
    twips.resize(this, 5640, 3105);
    if (const LayoutBlock* form = blockOf(QStringLiteral("frmSplash"))) {
        const PropertyBag& bag = form->bag;
        twips.resize(this, bag.readInt(QStringLiteral("Width"), 5640),
                     bag.readInt(QStringLiteral("Height"), 3105));
        QPalette colours = palette();
        colours.setColor(QPalette::Window,
                         ui::bgrColor(bag.readColour(QStringLiteral("BackColor"), 0x00FFFFFF)));
        setPalette(colours);
        setFont(onThisMachine(bag.readFont(QStringLiteral("Font"), font())));
    }

    const auto made = [this](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    const auto label = [&](const char* name) {
        return static_cast<ShadowLabel*>(made(new ShadowLabel(services, this), name));
    };
    const auto progressBar = [&](const char* name) {
        return static_cast<LumenProgressBar*>(made(new LumenProgressBar(services, this), name));
    };
    const auto image = [&](const char* name) {
        return static_cast<ui::Image*>(made(new ui::Image(this), name));
    };
    LumenCommand1 =
        static_cast<LumenCommand*>(made(new LumenCommand(services, this), "LumenCommand1"));
    ShadowLabel1 = label("ShadowLabel1");
    ShadowLabel2 = label("ShadowLabel2");
    lblProductName = label("lblProductName");
    lblLicenseTo = label("lblLicenseTo");
    lblCopyright = label("lblCopyright");
    cmdClose = static_cast<QPushButton*>(made(new QPushButton(this), "cmdClose"));
    bar[0] = progressBar("bar(0)");
    bar[2] = progressBar("bar(2)");
    bar[3] = progressBar("bar(3)");
    bar[1] = progressBar("bar(1)");
    barlogo = progressBar("barlogo");
    ShadowLabel3 = label("ShadowLabel3");
    Line1 = static_cast<ui::Line*>(made(new ui::Line(this), "Line1"));
    Image2 = image("Image2");
    imgLogo = image("imgLogo");
    Image1 = image("Image1");
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    // The control the window defines first lies in front: where two overlap, the earlier one
    // covers the later (the version under the notice, the presenter line under the name).
    for (QObject* child : children()) {
        if (auto* control = qobject_cast<QWidget*>(child)) {
            control->lower();
        }
    }

    // Our own pictures, drawn at the sizes the design has them.
    Image2->setPicture(ui::artwork(ui::Art::Logo, false, {48, 48}));
    imgLogo->setPicture(bitmap(ui::Art::SplashMark));
    Image1->setPicture(bitmap(ui::Art::SplashStrip));

    const std::map<QString, platform::Timer*> timers = {
        {QStringLiteral("Timer4"), &Timer4}, {QStringLiteral("Timer22"), &Timer22},
        {QStringLiteral("Timer2"), &Timer2}, {QStringLiteral("Timer1"), &Timer1},
        {QStringLiteral("Timer3"), &Timer3}, {QStringLiteral("AlphaTrans"), &AlphaTrans},
    };
    for (const LayoutBlock& block : layout) {
        const PropertyBag bag = withLocalFont(block.bag);
        if (block.kind == QLatin1String("Timer")) {
            if (const auto it = timers.find(block.name); it != timers.end()) {
                it->second->setInterval(bag.readInt(QStringLiteral("Interval"), 0));
                it->second->setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
            }
            continue;
        }
        auto* control = findChild<QWidget*>(block.name, Qt::FindDirectChildrenOnly);
        if (control == nullptr) {
            continue;
        }
        if (block.kind == QLatin1String("LumenCommand")) {
            PropertyBag withPicture = bag;
            withPicture.write(QStringLiteral("Picture"), bitmap(ui::Art::SplashPicture), QImage());
            static_cast<LumenCommand*>(control)->ReadProperties(withPicture);
        } else if (block.kind == QLatin1String("ShadowLabel")) {
            static_cast<ShadowLabel*>(control)->ReadProperties(bag);
        } else if (block.kind == QLatin1String("LumenProgressBar")) {
            static_cast<LumenProgressBar*>(control)->ReadProperties(bag);
        } else if (block.kind == QLatin1String("CommandButton")) {
            auto* button = static_cast<QPushButton*>(control);
            button->setText(bag.readText(QStringLiteral("Caption"), block.name));
            button->setFont(bag.readFont(QStringLiteral("Font"), font()));
        } else if (block.kind == QLatin1String("Line")) {
            const auto point = [&](const char* x, const char* y) {
                return QPoint(twips.pxX(bag.readInt(QString::fromLatin1(x), 0)),
                              twips.pxY(bag.readInt(QString::fromLatin1(y), 0)));
            };
            static_cast<ui::Line*>(control)->setPoints(point("X1", "Y1"), point("X2", "Y2"));
        }
        if (bag.contains(QStringLiteral("Left"))) {
            twips.place(control, bag.readInt(QStringLiteral("Left"), 0),
                        bag.readInt(QStringLiteral("Top"), 0),
                        bag.readInt(QStringLiteral("Width"), 0),
                        bag.readInt(QStringLiteral("Height"), 0));
        }
        control->setVisible(bag.readBool(QStringLiteral("Visible"), true));
    }
}

}  // namespace glimmer
