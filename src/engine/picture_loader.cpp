#include "engine/picture_loader.h"

#include "engine/picture_decoder.h"

#include <cstring>
#include <numeric>

namespace engine {

QImage loadPicture(const QString& path) {
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path);
    if (!decoder) {
        return {};
    }
    QImage picture(decoder->size(), QImage::Format_RGB32);
    if (picture.isNull()) {
        return {};
    }
    std::vector<int> rows(std::size_t(picture.height()));
    std::iota(rows.begin(), rows.end(), 0);
    const auto rowBytes = std::size_t(picture.width()) * sizeof(QRgb);
    const bool decoded = decoder->decode(rows, [&](int index, const QRgb* row) {
        std::memcpy(picture.scanLine(index), row, rowBytes);
    });
    return decoded ? picture : QImage();
}

}  // namespace engine
