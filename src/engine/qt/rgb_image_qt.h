// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include <QImage>

// The engine's pixels and the window's images: the window shows QImage, the engine core works
// on RgbImage. Both hold rows of Format_RGB32 words.
namespace engine {

// A copy as Format_RGB32; a null image for a null view.
QImage toQImage(const RgbView& pixels);

// The rows of a Format_RGB32 image, read in place: the image must outlive the view.
RgbView viewOf(const QImage& rgb32);

}  // namespace engine
