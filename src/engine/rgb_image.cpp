// SPDX-License-Identifier: MIT
#include "engine/rgb_image.h"

#include "engine/picture_limits.h"

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

}  // namespace engine
