// SPDX-License-Identifier: MIT
#include "engine/qt/bitmap_encoder_qt.h"

#include "engine/qt/conversions_qt.h"
#include "engine/qt/rgb_image_qt.h"

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
