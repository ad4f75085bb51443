// SPDX-License-Identifier: MIT
#pragma once

#include "engine/byte_source.h"
#include "engine/picture_limits.h"
#include "engine/rgb_image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine::bmp {

// What the headers of a BMP file say, checked: the layout fits the file and the pixel limit.
struct Layout {
    int width = 0;
    int height = 0;  // always positive; `topDown` keeps the row order
    bool topDown = false;
    int bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
    std::uint32_t compression = 0;
    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue for 16 and 32 bits
    std::vector<Rgb> palette;            // 1 << bitsPerPixel entries for 1 to 8 bits
    std::int64_t pixelOffset = 0;
    std::int64_t stride = 0;  // bytes per stored row, padded to 4
    // The fields of the 40-byte information header as stored (height keeps its sign).
    std::int32_t storedHeight = 0;
    std::uint16_t planes = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
};

// The layout of a BMP, or nothing when its headers are not a BMP this reader can read safely;
// then `error` (when given) says why, one line ("unsupported BMP compression RLE8").
std::optional<Layout> readLayout(ByteSource& source, std::string* error = nullptr);

// Streams the rows of a BMP in top-to-bottom numbering.
class RowReader {
  public:
    RowReader(ByteSource& source, const Layout& layout);
    // The stored bytes of row `y` (0 = top); null when they cannot be read.
    const std::uint8_t* raw(int y);
    // Row `y` as RGB; false when it cannot be read. With `columns` (inside the row), `into`
    // takes only those pixels, in that order; of a very wide row only their bytes are read.
    bool rgb(int y, Rgb* into, const std::vector<int>* columns = nullptr);
    // Row `y` as palette indices, for 1 to 8 bits per pixel.
    bool indices(int y, std::uint8_t* into);

  private:
    bool sparse(int y, Rgb* into, const std::vector<int>& columns);
    std::int64_t rowOffset(int y) const;

    ByteSource& source_;
    const Layout& layout_;
    std::vector<std::uint8_t> row_;
    int loaded_ = -1;
};

}  // namespace engine::bmp
