// SPDX-License-Identifier: MIT
#pragma once

#include "engine/file_write.h"
#include "engine/rgb_image.h"

namespace engine {

// WebP encoding through libwebp: lossy at `quality` (1..100), or `lossless`. The opacity of
// each pixel (rgb_image.h) is kept; an opaque picture carries no alpha. A colour `profile`,
// when given and not empty, is embedded (ICCP). A null picture, a quality outside 1..100 or a
// failure writes nothing.
Bytes encodeWebp(const RgbView& image, int quality, bool lossless, const Bytes* profile = nullptr);

}  // namespace engine
