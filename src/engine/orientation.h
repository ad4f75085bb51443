// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include <cstddef>
#include <cstdint>

// The EXIF orientation of a photograph: how its stored pixels turn to stand upright.
namespace engine {

// 1 upright, 2 mirrored left-right, 3 turned 180, 4 mirrored top-bottom, 5 mirrored along the
// main diagonal, 6 to be turned 90 clockwise, 7 mirrored along the other diagonal, 8 to be
// turned 90 anticlockwise: the values of the EXIF orientation tag.
inline constexpr int kUpright = 1;

// The orientation tag of a JPEG APP1 segment's payload ("Exif\0\0" and a TIFF structure).
// Bounded: every offset is checked against `size`. kUpright when the payload is no EXIF, is
// damaged, or holds no valid tag.
int exifOrientation(const std::uint8_t* payload, std::size_t size);

// The size of the picture once upright: width and height swapped for 5 to 8.
Size uprightSize(Size stored, int orientation);

// Where pixel (x, y) of the upright picture is stored, in a `stored` picture.
struct Point {
    int x = 0;
    int y = 0;
};
Point storedPoint(Size stored, int orientation, int x, int y);

}  // namespace engine
