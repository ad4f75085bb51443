// SPDX-License-Identifier: MIT
#include "engine/thumbnail_file.h"

#include "engine/qimage_pixels.h"
#include "engine/qt_conversions.h"

namespace engine {

QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight) {
    return toQImage(readThumbnail(nativePath(path), callWidth, callHeight));
}

}  // namespace engine
