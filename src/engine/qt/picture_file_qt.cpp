// SPDX-License-Identifier: MIT
#include "engine/qt/picture_file_qt.h"

#include "engine/picture_file.h"
#include "engine/picture_limits.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/rgb_image_qt.h"

namespace engine {

QImage loadPicture(const QString& path) {
    const std::unique_ptr<PictureDecoder> decoder = openPicture(nativePath(path));
    if (!decoder) {
        return {};
    }
    // Decoded straight into the image: a large picture is never held twice. The image takes
    // its share of the decoding budget, and what the decoder needs besides must fit in the rest.
    const MemoryReservation image(std::int64_t(decoder->size().width()) * decoder->size().height() *
                                  std::int64_t(sizeof(Rgb)));
    if (!image.isHeld()) {
        return {};
    }
    QImage picture(toQSize(decoder->size()), QImage::Format_RGB32);
    if (picture.isNull()) {
        return {};
    }
    const auto stride = std::ptrdiff_t(picture.bytesPerLine() / qsizetype(sizeof(Rgb)));
    if (!decodeWhole(*decoder, reinterpret_cast<Rgb*>(picture.bits()), stride)) {
        return {};
    }
    return picture;
}

QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight) {
    return toQImage(readThumbnail(nativePath(path), callWidth, callHeight));
}

}  // namespace engine
