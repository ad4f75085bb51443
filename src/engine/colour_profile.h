// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include <cstdint>
#include <vector>

namespace engine {

// Converts `pixels` from the colour space of an embedded ICC `profile` to sRGB (perceptual
// intent), in place. Pixels are converted one by one, so a thumbnail is converted after it is
// sampled. False, and the pixels untouched, when the profile cannot be read or is not an RGB
// one: such a picture is taken as sRGB.
bool convertToSrgb(RgbImage& pixels, const std::vector<std::uint8_t>& profile);

}  // namespace engine
