// SPDX-License-Identifier: MIT
#include "ui/artwork.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/artwork_paint.h"

namespace ui {
namespace {

namespace palette = paint::palette;

enum class Face {
    None,    // the drawing is the whole picture
    Button,  // a raised button face (sunken for the pressed twin) under the symbol
};

struct Entry {
    Art art;
    QSize size;  // natural size
    Face face;
    QSize symbolBox;  // the box the symbol is drawn in, scaled onto the button
    void (*paint)(QPainter&);
    std::array<const char*, 2> themeNames;  // freedesktop names, best first
};

constexpr QSize toolbar{24, 24};
constexpr QSize arrow{11, 10};
constexpr QSize large{32, 32};
constexpr QSize frame{73, 81};  // the error and preview pictures: 1095 x 1215 twips

// One row per picture, in the order of Art.
const std::array<Entry, 32> catalogue{{
    {Art::Background, {695, 314}, Face::None, {}, paint::paintBackground, {}},
    {Art::Browse,
     toolbar,
     Face::Button,
     toolbar,
     paint::paintBrowse,
     {"folder-open", "document-open"}},
    {Art::Information,
     toolbar,
     Face::Button,
     toolbar,
     paint::paintInformation,
     {"help-about", "dialog-information"}},
    {Art::TipsOn, toolbar, Face::Button, toolbar, paint::paintTipsOn, {}},
    {Art::TipsOff, toolbar, Face::Button, toolbar, paint::paintTipsOff, {}},
    {Art::Help,
     toolbar,
     Face::Button,
     toolbar,
     paint::paintHelp,
     {"help-contents", "help-browser"}},
    {Art::Exit, toolbar, Face::Button, toolbar, paint::paintExit, {"application-exit"}},
    {Art::StartProcessing,
     toolbar,
     Face::Button,
     toolbar,
     paint::paintStartProcessing,
     {"media-playback-start"}},
    {Art::PromptOverwrite, toolbar, Face::Button, toolbar, paint::paintPromptOverwrite, {}},
    {Art::SameFolder, toolbar, Face::Button, toolbar, paint::paintSameFolder, {}},
    {Art::Landscape, toolbar, Face::Button, toolbar, paint::paintLandscape, {}},
    {Art::ArrowUp, arrow, Face::Button, arrow, paint::paintArrowUp, {}},
    {Art::ArrowDown, arrow, Face::Button, arrow, paint::paintArrowDown, {}},
    {Art::LightRed, {12, 12}, Face::None, {}, paint::paintLightRed, {}},
    {Art::LightGreen, {12, 12}, Face::None, {}, paint::paintLightGreen, {}},
    {Art::Progress1, large, Face::None, {}, [](QPainter& p) { paint::paintProgress(p, 0); }, {}},
    {Art::Progress2, large, Face::None, {}, [](QPainter& p) { paint::paintProgress(p, 1); }, {}},
    {Art::Progress3, large, Face::None, {}, [](QPainter& p) { paint::paintProgress(p, 2); }, {}},
    {Art::Logo, large, Face::None, {}, paint::paintLogo, {}},
    {Art::Sample, {82, 71}, Face::None, {}, paint::paintSample, {}},
    {Art::Error, frame, Face::None, {}, paint::paintError, {}},
    {Art::OpenFolder,
     toolbar,
     Face::Button,
     toolbar,
     paint::paintOpenFolder,
     {"system-file-manager", "folder-open"}},
    {Art::MyPictures, large, Face::Button, toolbar, paint::paintMyPictures, {"folder-pictures"}},
    {Art::Placeholder, frame, Face::None, {}, paint::paintPlaceholder, {}},
    {Art::PickerHelp,
     large,
     Face::Button,
     toolbar,
     paint::paintHelp,
     {"help-contents", "help-browser"}},
    {Art::SplashPicture, {143, 84}, Face::None, {}, paint::paintSplashPicture, {}},
    {Art::SplashStrip, {195, 21}, Face::None, {}, paint::paintSplashStrip, {}},
    {Art::SplashMark, {21, 23}, Face::None, {}, paint::paintSplashMark, {}},
    {Art::SplashIcon, large, Face::None, {}, paint::paintSplashIcon, {}},
    {Art::MakerLogo, {137, 151}, Face::None, {}, paint::paintMakerLogo, {}},
    {Art::BubbleBar, {221, 61}, Face::None, {}, paint::paintBubbleBar, {}},
    {Art::BubbleMask, {234, 65}, Face::None, {}, paint::paintBubbleMask, {}},
}};

const Entry& entryFor(Art art) {
    const auto index = static_cast<std::size_t>(art);
    Q_ASSERT(index < catalogue.size() && catalogue[index].art == art);
    return catalogue[index < catalogue.size() ? index : 0];
}

IconSource defaultSource = IconSource::Own;

// Raised: a light rim top-left and a shaded one bottom-right. Pressed: the face sinks, the
// outline darkens and the shadow falls inside from the upper left.
void paintButtonFace(QPainter& p, QSize size, bool pressed) {
    const qreal radius = std::min(size.width(), size.height()) / 8.0;
    const QRectF outer(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    p.setPen(QPen(pressed ? palette::edgePressed : palette::edge, 1));
    p.setBrush(pressed ? paint::vertical(0, size.height(), palette::facePressedTop,
                                         palette::facePressedBottom)
                       : paint::vertical(0, size.height(), palette::faceTop, palette::faceBottom));
    p.drawRoundedRect(outer, radius, radius);

    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    QLinearGradient rim(inner.topLeft(), inner.bottomRight());
    if (pressed) {
        rim.setColorAt(0, QColor(0, 0, 0, 110));
        rim.setColorAt(0.55, QColor(0, 0, 0, 0));
        rim.setColorAt(1, QColor(255, 255, 255, 90));
    } else {
        rim.setColorAt(0, QColor(255, 255, 255, 255));
        rim.setColorAt(0.5, QColor(255, 255, 255, 0));
        rim.setColorAt(1, QColor(0, 0, 0, 45));
    }
    p.setPen(QPen(QBrush(rim), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, std::max(radius - 1, 0.5), std::max(radius - 1, 0.5));
}

QIcon themeIcon(const Entry& entry) {
    for (const char* name : entry.themeNames) {
        if (name != nullptr && QIcon::hasThemeIcon(QString::fromLatin1(name))) {
            return QIcon::fromTheme(QString::fromLatin1(name));
        }
    }
    return {};
}

// A theme symbol sits where ours would, at two thirds of the button, on our own face, so
// the pressed twin looks the same whichever symbol the button carries. False when the theme
// names the icon but cannot draw it (an SVG-only theme without the SVG icon engine).
bool paintThemeSymbol(QPainter& p, const QIcon& icon, QSize natural, QSizeF scale, qreal dpr) {
    const qreal margin = std::round(std::min(natural.width(), natural.height()) / 6.0);
    const QRectF box =
        QRectF(QPointF(0, 0), QSizeF(natural)).adjusted(margin, margin, -margin, -margin);
    const QSize deviceIndependent(qRound(box.width() * scale.width()),
                                  qRound(box.height() * scale.height()));
    const QPixmap symbol = icon.pixmap(deviceIndependent, dpr);
    if (symbol.isNull()) {
        return false;
    }
    p.drawPixmap(box, symbol, QRectF(symbol.rect()));
    return true;
}

QImage render(Art art, bool pressed, QSize size, qreal dpr, IconSource source) {
    const Entry& entry = entryFor(art);
    if (size.isEmpty()) {
        size = entry.size;
    }
    if (!(dpr > 0)) {
        dpr = 1.0;
    }
    QImage image(qRound(size.width() * dpr), qRound(size.height() * dpr),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;  // far too large to allocate: nothing to draw on
    }
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    const QSizeF scale(size.width() / qreal(entry.size.width()),
                       size.height() / qreal(entry.size.height()));
    p.scale(scale.width(), scale.height());
    if (entry.face == Face::None) {
        entry.paint(p);
        return image;
    }
    paintButtonFace(p, entry.size, pressed);
    if (pressed) {
        p.translate(1, 1);
    }
    if (source == IconSource::DesktopTheme &&
        paintThemeSymbol(p, themeIcon(entry), entry.size, scale, dpr)) {
        return image;
    }
    p.scale(entry.size.width() / qreal(entry.symbolBox.width()),
            entry.size.height() / qreal(entry.symbolBox.height()));
    entry.paint(p);
    return image;
}

}  // namespace

void setDefaultIconSource(IconSource source) {
    defaultSource = source;
}

IconSource defaultIconSource() {
    return defaultSource;
}

QSize artSize(Art art) {
    return entryFor(art).size;
}

bool hasPressedTwin(Art art) {
    return entryFor(art).face == Face::Button;
}

QStringList artThemeNames(Art art) {
    QStringList names;
    for (const char* name : entryFor(art).themeNames) {
        if (name != nullptr) {
            names << QString::fromLatin1(name);
        }
    }
    return names;
}

QPixmap artwork(Art art, bool pressed, QSize size, qreal devicePixelRatio) {
    return artwork(art, pressed, size, devicePixelRatio, defaultSource);
}

QPixmap artwork(Art art, bool pressed, QSize size, qreal devicePixelRatio, IconSource source) {
    return QPixmap::fromImage(render(art, pressed, size, devicePixelRatio, source));
}

QImage artworkImage(Art art, QSize size) {
    return render(art, false, size, 1.0, IconSource::Own);
}

QImage artworkImage(Art art, bool pressed, QSize size) {
    return render(art, pressed, size, 1.0, IconSource::Own);
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(artworkImage(Art::Logo, {size, size})));
    }
    return icon;
}

}  // namespace ui
