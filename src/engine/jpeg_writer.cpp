// SPDX-License-Identifier: MIT
#include "engine/jpeg_writer.h"

#include "engine/qimage_pixels.h"
#include "engine/qt_conversions.h"

namespace engine {

QByteArray encodeJpeg(const QImage& image, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return toQByteArray(encodeJpeg(viewOf(rgb), quality));
}

bool writeJpeg(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return writeJpeg(viewOf(rgb), nativePath(path), quality);
}

}  // namespace engine
