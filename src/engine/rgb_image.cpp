// SPDX-License-Identifier: MIT
#include "engine/rgb_image.h"

#include "engine/picture_limits.h"

#include <algorithm>
#include <new>

namespace engine {

RgbImage::RgbImage(int width, int height) {
    const std::int64_t pixels = std::int64_t(width) * height;
    if (width <= 0 || height <= 0 || pixels > kMaxPicturePixels) {
        return;
    }
    try {
        pixels_.assign(std::size_t(pixels), kBlack);
    } catch (const std::bad_alloc&) {
        return;  // a picture too big for this machine is one that cannot be loaded
    }
    width_ = width;
    height_ = height;
}

bool hasTransparency(const RgbView& image) {
    for (int y = 0; y < image.height; ++y) {
        const Rgb* row = image.row(y);
        if (std::any_of(row, row + image.width, [](Rgb pixel) { return alphaOf(pixel) != 0xFF; })) {
            return true;
        }
    }
    return false;
}

void flatten(RgbImage& image, Rgb background) {
    for (int y = 0; y < image.height(); ++y) {
        Rgb* row = image.row(y);
        std::transform(row, row + image.width(), row,
                       [background](Rgb pixel) { return flattened(pixel, background); });
    }
}

}  // namespace engine
