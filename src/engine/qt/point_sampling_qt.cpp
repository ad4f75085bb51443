// SPDX-License-Identifier: MIT
#include "engine/qt/point_sampling_qt.h"

#include "engine/qt/rgb_image_qt.h"

namespace engine {

QImage sampleThumbnail(const QImage& source, int callWidth, int callHeight) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    return toQImage(sampleThumbnail(viewOf(rgb), callWidth, callHeight));
}

}  // namespace engine
