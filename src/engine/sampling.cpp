// SPDX-License-Identifier: MIT
#include "engine/sampling.h"

#include "engine/qimage_pixels.h"

namespace engine {

QImage sampleThumbnail(const QImage& source, int callWidth, int callHeight) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    return toQImage(sampleThumbnail(viewOf(rgb), callWidth, callHeight));
}

}  // namespace engine
