// SPDX-License-Identifier: MIT
// corvel-artwork: writes the program icon files, or a contact sheet of every picture we draw.
//
//   corvel-artwork icons DIR NAME SIZE...  DIR/NxN/NAME.png for each icon theme size N
//   corvel-artwork sheet FILE SIZE...       every picture at its natural size and at 2x,
//                                           pressed twins beside them, the background with
//                                           the window's labels on it, and the program icon
//                                           at each size
//
// The sizes come from assets/CMakeLists.txt, which installs the icons.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/artwork.h"

namespace {

using ui::Art;

struct Named {
    Art art;
    const char* name;
};

const Named pictures[] = {
    {Art::Browse, "Browse"},
    {Art::Information, "Information"},
    {Art::TipsOn, "TipsOn"},
    {Art::TipsOff, "TipsOff"},
    {Art::Help, "Help"},
    {Art::Exit, "Exit"},
    {Art::StartProcessing, "StartProcessing"},
    {Art::PromptOverwrite, "PromptOverwrite"},
    {Art::SameFolder, "SameFolder"},
    {Art::Landscape, "Landscape"},
    {Art::ArrowUp, "ArrowUp"},
    {Art::ArrowDown, "ArrowDown"},
    {Art::LightRed, "LightRed"},
    {Art::LightGreen, "LightGreen"},
    {Art::OpenFolder, "OpenFolder"},
    {Art::MyPictures, "MyPictures"},
    {Art::PickerHelp, "PickerHelp"},
    {Art::Progress1, "Progress1"},
    {Art::Progress2, "Progress2"},
    {Art::Progress3, "Progress3"},
    {Art::Logo, "Logo"},
    {Art::Sample, "Sample"},
    {Art::Error, "Error"},
    {Art::Placeholder, "Placeholder"},
};

using Sizes = std::vector<int>;

int writeIcons(const QString& folder, const QString& name, const Sizes& iconSizes) {
    for (const int size : iconSizes) {
        const QString dir = QStringLiteral("%1/%2x%2").arg(folder).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !ui::artworkImage(Art::Logo, {size, size}).save(file)) {
            std::fprintf(stderr, "corvel-artwork: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

QFont sheetFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The labels and previews the main window lays over the background, at their design places
// (twips / 15), so the sheet shows whether the screens carry them well.
void paintWindowLabels(QPainter& p) {
    // the source screen as the window starts, the thumbnail screen after a preview
    p.setFont(sheetFont(20, true));
    p.setPen(QColor(0x00, 0x80, 0x00));
    p.drawText(QPointF(97, 156), QStringLiteral("Source Images"));

    p.setFont(QFont(QStringLiteral("Monospace"), 14, QFont::Bold, true));
    p.setPen(QColor(0x00, 0xC0, 0x00));
    p.drawText(QPointF(496, 34), QStringLiteral("110 x 130"));

    const QRect thumbnail(518 - 56, 155 - 66, 112, 132);
    p.fillRect(thumbnail, Qt::black);
    p.drawImage(thumbnail.adjusted(1, 1, -1, -1),
                ui::artworkImage(Art::Sample, thumbnail.size() - QSize(2, 2)));

    p.setFont(sheetFont(11, true));
    p.setPen(Qt::white);
    p.drawText(QPointF(491, 276), QStringLiteral("Save To:"));
    p.setFont(sheetFont(11, false));
    p.setPen(QColor(0xC0, 0xC0, 0x00));
    p.drawText(QPointF(545, 286), QStringLiteral("/home/ann/Pictures/thumbs/"));

    struct Light {
        int left;
        Art art;
        const char* label;
    };
    const Light lights[] = {{360, Art::LightGreen, "Prompt Overwrite"},
                            {484, Art::LightRed, "Original Folder"},
                            {592, Art::LightGreen, "Landscape"}};
    p.setFont(sheetFont(11, true));
    p.setPen(QColor(0xFF, 0xFF, 0x80));
    for (const Light& light : lights) {
        p.drawPixmap(light.left, 296, ui::artwork(light.art));
        p.drawText(QPointF(light.left + 16, 307), QString::fromLatin1(light.label));
    }
}

// One picture's cell: its name, then the picture and its pressed twin at natural size, and
// below them at 2x.
QSize cellSize(Art art) {
    const QSize natural = ui::artSize(art);
    const int variants = ui::hasPressedTwin(art) ? 2 : 1;
    return {std::max(170, 12 + variants * (natural.width() * 2 + 10)),
            30 + natural.height() * 3 + 14};
}

void paintCell(QPainter& p, const Named& named, const QRect& cell) {
    const QSize natural = ui::artSize(named.art);
    p.setPen(QColor(0xC8, 0xC8, 0xC8));
    p.setBrush(QColor(0xF6, 0xF6, 0xF6));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(sheetFont(11, true));
    p.drawText(cell.topLeft() + QPoint(6, 15), QStringLiteral("%1  %2 x %3")
                                                   .arg(QString::fromLatin1(named.name))
                                                   .arg(natural.width())
                                                   .arg(natural.height()));
    QPoint at = cell.topLeft() + QPoint(6, 24);
    for (const bool pressed : {false, true}) {
        if (pressed && !ui::hasPressedTwin(named.art)) {
            continue;
        }
        p.drawPixmap(at, ui::artwork(named.art, pressed));
        p.drawPixmap(at + QPoint(0, natural.height() + 8),
                     ui::artwork(named.art, pressed, natural * 2));
        at.rx() += natural.width() * 2 + 10;
    }
}

int writeSheet(const QString& file, const Sizes& iconSizes) {
    const int width = 1430;
    const int gridTop = 50 + 314 + 30 + 314 + 20;

    // flow the cells into rows
    std::vector<QRect> cells;
    QPoint at(10, gridTop);
    int rowHeight = 0;
    for (const Named& named : pictures) {
        const QSize size = cellSize(named.art);
        if (at.x() + size.width() > width - 10) {
            at = QPoint(10, at.y() + rowHeight + 8);
            rowHeight = 0;
        }
        cells.emplace_back(at, size);
        at.rx() += size.width() + 8;
        rowHeight = std::max(rowHeight, size.height());
    }
    const int iconsTop = at.y() + rowHeight + 20;

    const int largestIcon = *std::max_element(iconSizes.begin(), iconSizes.end());
    QImage sheet(width, iconsTop + 24 + largestIcon + 16, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xEC, 0xEC, 0xEC));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const auto heading = [&p](QPointF where, const QString& text) {
        p.setPen(Qt::black);
        p.setFont(sheetFont(12, true));
        p.drawText(where, text);
    };
    heading({10, 24}, QStringLiteral("Corvel artwork: Background 695 x 314"));
    heading({715, 24}, QStringLiteral("Background at 2x, upper left"));
    heading({10, 50 + 314 + 22}, QStringLiteral("The background with the window's labels, "
                                                "previews and lights laid over it"));
    const QImage background = ui::artworkImage(Art::Background);
    p.drawImage(10, 32, background);
    p.drawImage(QPoint(715, 32), ui::artworkImage(Art::Background, {1390, 628}),
                QRect(0, 0, 705, 314));
    p.save();
    p.translate(10, 50 + 314 + 30);
    p.drawImage(0, 0, background);
    paintWindowLabels(p);
    p.restore();

    for (std::size_t i = 0; i < cells.size(); ++i) {
        paintCell(p, pictures[i], cells[i]);
    }

    QStringList sizeNames;
    for (const int size : iconSizes) {
        sizeNames.append(QString::number(size));
    }
    heading({10, qreal(iconsTop + 14)},
            QStringLiteral("Program icon ") + sizeNames.join(QStringLiteral(", ")));
    int left = 10;
    for (const int size : iconSizes) {
        p.drawImage(left, iconsTop + 24, ui::artworkImage(Art::Logo, {size, size}));
        left += size + 16;
    }
    p.end();
    if (!sheet.save(file)) {
        std::fprintf(stderr, "corvel-artwork: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

// Icon sizes from the command line: whole numbers from 1 to 1024, at least one.
bool readSizes(const QStringList& args, Sizes& sizes) {
    for (const QString& arg : args) {
        bool ok = false;
        const int size = arg.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            return false;
        }
        sizes.push_back(size);
    }
    return !sizes.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    Sizes sizes;
    if (args.size() >= 5 && args[1] == QLatin1String("icons") && !args[3].isEmpty() &&
        readSizes(args.mid(4), sizes)) {
        return writeIcons(args[2], args[3], sizes);
    }
    if (args.size() >= 4 && args[1] == QLatin1String("sheet") && readSizes(args.mid(3), sizes)) {
        return writeSheet(args[2], sizes);
    }
    std::fprintf(stderr, "usage: corvel-artwork icons DIR NAME SIZE... | sheet FILE SIZE...\n");
    return 2;
}
