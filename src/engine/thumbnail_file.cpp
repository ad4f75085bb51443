#include "engine/thumbnail_file.h"

#include "engine/qimage_pixels.h"

namespace engine {

QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight) {
    return toQImage(readThumbnail(path, callWidth, callHeight));
}

}  // namespace engine
