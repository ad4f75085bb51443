#include "engine/picture_loader.h"

#include <QImageReader>

namespace engine {

QImage loadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

}  // namespace engine
