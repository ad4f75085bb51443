// SPDX-License-Identifier: MIT
#include "engine/qt/jpeg_encoder_qt.h"

#include "engine/qt/conversions_qt.h"
#include "engine/qt/rgb_image_qt.h"

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
