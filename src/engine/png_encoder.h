// SPDX-License-Identifier: MIT
#pragma once

#include "engine/file_write.h"
#include "engine/rgb_image.h"

namespace engine {

// PNG encoding through libpng: 8-bit RGB for an opaque picture, 8-bit RGBA when any pixel is
// less than opaque (the top byte of each word, rgb_image.h). A colour `profile`, when given and
// not empty, is embedded (iCCP). A null picture, or a failure, writes nothing.
Bytes encodePng(const RgbView& image, const Bytes* profile = nullptr);

}  // namespace engine
