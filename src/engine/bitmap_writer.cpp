// SPDX-License-Identifier: MIT
#include "engine/bitmap_writer.h"

#include "engine/qimage_pixels.h"
#include "engine/qt_conversions.h"

namespace engine {

QByteArray encodeBitmap(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return toQByteArray(encodeBitmap(viewOf(rgb)));
}

bool writeBitmap(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return writeBitmap(viewOf(rgb), nativePath(path));
}

}  // namespace engine
