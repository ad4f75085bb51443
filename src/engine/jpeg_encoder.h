// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include "engine/file_write.h"

#include <string>

namespace engine {

// JPEG encoding through libjpeg-turbo with fixed settings (baseline, accurate DCT, full
// colour resolution), so the window and the command line give the same bytes for the same
// pixels. Quality is 1..100; anything else, or a null picture, writes nothing. A colour
// `profile`, when given and not empty, is embedded (APP2).
Bytes encodeJpeg(const RgbView& image, int quality, const Bytes* profile = nullptr);

// Writes the JPEG to `path`, replacing any file of that name only once the whole file is
// written. False when nothing was written.
bool writeJpeg(const RgbView& image, const std::string& path, int quality);

}  // namespace engine
