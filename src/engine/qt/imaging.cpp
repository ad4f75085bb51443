// SPDX-License-Identifier: MIT
#include "engine/qt/imaging.h"

#include "engine/picture_limits.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/jpeg_encoder_qt.h"

#include <cstdlib>
#include <cstring>

namespace engine::imaging {

namespace {

QImage::Format formatFor(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return QImage::Format_Mono;
        case 4:
        case 8:
            return QImage::Format_Indexed8;
        case 24:
            return QImage::Format_RGB32;  // the engine's own pixels: no repacking
        default:
            return QImage::Format_Invalid;
    }
}

bool accepts(int imageBits, int fileBits) {
    return imageBits == 24 || (imageBits >= fileBits && fileBits <= 8);
}

QList<QRgb> colorTable(const std::vector<Rgb>& palette, int bitsPerPixel) {
    QList<QRgb> table(qsizetype(1) << bitsPerPixel, qRgb(0, 0, 0));
    std::copy_n(palette.begin(), std::min<std::size_t>(palette.size(), std::size_t(table.size())),
                table.begin());
    return table;
}

}  // namespace

std::int32_t bmpinfo(ByteSource& source, BitmapInfoHeader& header) {
    header = {};
    const std::optional<bmp::Layout> layout = bmp::readLayout(source);
    if (!layout) {
        return kBadFormat;
    }
    header.biSize = 40;
    header.biWidth = layout->width;
    header.biHeight = layout->storedHeight;
    header.biPlanes = layout->planes;
    header.biBitCount = std::uint16_t(layout->bitsPerPixel);
    header.biCompression = layout->compression;
    header.biSizeImage = layout->imageSize;
    header.biXPelsPerMeter = layout->xPelsPerMeter;
    header.biYPelsPerMeter = layout->yPelsPerMeter;
    header.biClrUsed = layout->colorsUsed;
    header.biClrImportant = layout->colorsImportant;
    return kOk;
}

std::int32_t bmpinfo(const QString& fileName, BitmapInfoHeader& header) {
    header = {};
    FileSource source(nativePath(fileName));
    return source.isOpen() ? bmpinfo(source, header) : kCantOpen;
}

std::int32_t allocimage(ImageDescriptor& image, int width, int height, int bitsPerPixel) {
    const qint64 rows = std::abs(qint64(height));
    const QImage::Format format = formatFor(bitsPerPixel);
    if (width <= 0 || rows == 0 || qint64(width) * rows > kMaxPicturePixels ||
        format == QImage::Format_Invalid) {
        return kBadRange;
    }
    QImage buffer(width, int(rows), format);
    if (buffer.isNull()) {
        return kNoMemory;
    }
    if (bitsPerPixel <= 8) {
        buffer.setColorTable(QList<QRgb>(qsizetype(1) << bitsPerPixel, qRgb(0, 0, 0)));
        buffer.fill(0);
    } else {
        buffer.fill(qRgb(0, 0, 0));
    }
    image.buffer = buffer;
    image.bitsPerPixel = bitsPerPixel;
    return kOk;
}

std::int32_t loadbmp(ByteSource& source, ImageDescriptor& image) {
    const std::optional<bmp::Layout> layout = bmp::readLayout(source);
    if (!layout) {
        return kBadFormat;
    }
    QImage& buffer = image.buffer;
    if (buffer.isNull() || buffer.width() != layout->width || buffer.height() != layout->height ||
        formatFor(image.bitsPerPixel) != buffer.format() ||
        !accepts(image.bitsPerPixel, layout->bitsPerPixel)) {
        return kMismatch;
    }
    bmp::RowReader reader(source, *layout);
    const int width = layout->width;
    if (image.bitsPerPixel == 24) {
        for (int y = 0; y < layout->height; ++y) {
            if (!reader.rgb(y, reinterpret_cast<Rgb*>(buffer.scanLine(y)))) {
                return kBadFormat;
            }
        }
        return kOk;
    }
    for (int y = 0; y < layout->height; ++y) {
        if (image.bitsPerPixel == 1) {
            // Format_Mono packs the most significant bit first, as BMP does.
            const std::uint8_t* raw = reader.raw(y);
            if (raw == nullptr) {
                return kBadFormat;
            }
            std::memcpy(buffer.scanLine(y), raw, std::size_t(width + 7) / 8);
        } else if (!reader.indices(y, buffer.scanLine(y))) {
            return kBadFormat;
        }
    }
    buffer.setColorTable(colorTable(layout->palette, image.bitsPerPixel));
    return kOk;
}

std::int32_t loadbmp(const QString& fileName, ImageDescriptor& image) {
    FileSource source(nativePath(fileName));
    return source.isOpen() ? loadbmp(source, image) : kCantOpen;
}

void convert1bitto8bit(const ImageDescriptor& source, ImageDescriptor& destination) {
    const QImage& mono = source.buffer;
    QImage& wide = destination.buffer;
    if (source.bitsPerPixel != 1 || destination.bitsPerPixel != 8 || mono.isNull() ||
        wide.size() != mono.size() || mono.format() != QImage::Format_Mono) {
        return;
    }
    for (int y = 0; y < mono.height(); ++y) {
        const std::uint8_t* in = mono.constScanLine(y);
        std::uint8_t* out = wide.scanLine(y);
        for (int x = 0; x < mono.width(); ++x) {
            out[x] = (in[x >> 3] >> (7 - (x & 7))) & 1;
        }
    }
    QList<QRgb> table = mono.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    wide.setColorTable(table);
}

void freeimage(ImageDescriptor& image) {
    image = {};
}

void copyimgdes(const ImageDescriptor& source, ImageDescriptor& destination) {
    destination = source;
}

std::int32_t savejpg(const QString& fileName, const ImageDescriptor& image, int quality) {
    if (image.buffer.isNull() || quality < 1 || quality > 100) {
        return kBadRange;
    }
    return writeJpeg(image.buffer, fileName, quality) ? kOk : kCantWrite;
}

}  // namespace engine::imaging
