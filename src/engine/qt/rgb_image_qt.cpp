// SPDX-License-Identifier: MIT
#include "engine/qt/rgb_image_qt.h"

#include <cstring>

namespace engine {

QImage toQImage(const RgbView& pixels) {
    if (pixels.isNull()) {
        return {};
    }
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < pixels.height; ++y) {
        std::memcpy(image.scanLine(y), pixels.row(y), std::size_t(pixels.width) * sizeof(Rgb));
    }
    return image;
}

RgbView viewOf(const QImage& rgb32) {
    if (rgb32.isNull() || rgb32.format() != QImage::Format_RGB32) {
        return {};
    }
    return {reinterpret_cast<const Rgb*>(rgb32.constBits()), rgb32.width(), rgb32.height(),
            std::ptrdiff_t(rgb32.bytesPerLine() / qsizetype(sizeof(Rgb)))};
}

}  // namespace engine
