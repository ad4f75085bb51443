#include "engine/thumbnail_file.h"

#include "engine/picture_decoder.h"
#include "engine/sampling.h"

namespace engine {

QSize pictureSize(const QString& path) {
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path);
    return decoder ? decoder->size() : QSize();
}

QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight) {
    if (callWidth <= 2 || callHeight <= 2) {
        return {};
    }
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path);
    if (!decoder) {
        return {};
    }
    ThumbnailSampler sampler(decoder->size(), callWidth, callHeight);
    if (!sampler.isValid()) {
        return {};
    }
    const bool decoded = decoder->decode(
        sampler.rows(), [&](int index, const QRgb* row) { sampler.takeRow(index, row); });
    return decoded ? sampler.thumbnail() : QImage();
}

}  // namespace engine
