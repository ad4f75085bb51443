// SPDX-License-Identifier: MIT
#include "engine/picture_file.h"

#include "engine/point_sampling.h"

#include <cstring>
#include <numeric>

namespace engine {

Size pictureSize(const std::string& path) {
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path);
    return decoder ? decoder->size() : Size();
}

bool decodeWhole(PictureDecoder& decoder, Rgb* pixels, std::ptrdiff_t stride) {
    std::vector<int> rows(std::size_t(decoder.size().height()));
    std::iota(rows.begin(), rows.end(), 0);
    const auto rowBytes = std::size_t(decoder.size().width()) * sizeof(Rgb);
    return decoder.decode(rows, nullptr, [&](int index, const Rgb* row) {
        std::memcpy(pixels + index * stride, row, rowBytes);
    });
}

RgbImage readThumbnail(const std::string& path, int callWidth, int callHeight, std::string* error) {
    if (callWidth <= 2 || callHeight <= 2) {
        if (error != nullptr) {
            *error = "no thumbnail size";
        }
        return {};
    }
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path, error);
    if (!decoder) {
        return {};
    }
    RgbImage thumbnail = readThumbnail(*decoder, callWidth, callHeight);
    if (thumbnail.isNull() && error != nullptr) {
        *error = decoder->error();
    }
    return thumbnail;
}

RgbImage readThumbnail(PictureDecoder& decoder, int callWidth, int callHeight) {
    const Size size = decoder.size();
    return readThumbnail(
        decoder, ThumbnailPlan{{0, 0, size.width(), size.height()}, callWidth - 2, callHeight - 2});
}

RgbImage readThumbnail(PictureDecoder& decoder, const ThumbnailPlan& plan) {
    ThumbnailSampler sampler(plan.source, plan.callWidth(), plan.callHeight());
    if (!sampler.isValid()) {
        return {};
    }
    const bool decoded =
        decoder.decode(sampler.rows(), &sampler.columns(),
                       [&](int index, const Rgb* row) { sampler.takeSampledRow(index, row); });
    return decoded ? sampler.takeThumbnail() : RgbImage();
}

}  // namespace engine
