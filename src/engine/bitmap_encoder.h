// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include "engine/file_write.h"

#include <string>

namespace engine {

// The picture as an uncompressed 24-bit BMP: file header, 40-byte information header and
// bottom-up rows padded to 4 bytes. Empty for a null picture or one too big for the format.
Bytes encodeBitmap(const RgbView& image);

// Writes encodeBitmap(image) to `path`, replacing any file of that name only once the whole
// file is written (a failed write leaves the old file as it was). False when nothing was written.
bool writeBitmap(const RgbView& image, const std::string& path);

}  // namespace engine
