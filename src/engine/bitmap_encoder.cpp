// SPDX-License-Identifier: MIT
#include "engine/bitmap_encoder.h"

#include "engine/file_write.h"

#include <cstdint>

namespace engine {

namespace {

constexpr int kHeadersSize = 14 + 40;
// 96 dots per inch, the screen the canvas was drawn on.
constexpr std::uint32_t kPelsPerMeter = 3780;

void put16(std::uint8_t*& p, std::uint16_t v) {
    *p++ = std::uint8_t(v & 0xFF);
    *p++ = std::uint8_t(v >> 8);
}
void put32(std::uint8_t*& p, std::uint32_t v) {
    put16(p, std::uint16_t(v & 0xFFFF));
    put16(p, std::uint16_t(v >> 16));
}

}  // namespace

Bytes encodeBitmap(const RgbView& image) {
    if (image.isNull()) {
        return {};
    }
    const std::int64_t width = image.width;
    const std::int64_t height = image.height;
    const std::int64_t stride = (width * 3 + 3) / 4 * 4;
    const std::int64_t fileSize = kHeadersSize + stride * height;
    if (fileSize > 0x7FFFFFFF) {
        return {};
    }
    Bytes bytes(std::size_t(fileSize), 0);
    std::uint8_t* p = bytes.data();
    *p++ = 'B';
    *p++ = 'M';
    put32(p, std::uint32_t(fileSize));
    put32(p, 0);
    put32(p, kHeadersSize);
    put32(p, 40);
    put32(p, std::uint32_t(width));
    put32(p, std::uint32_t(height));
    put16(p, 1);   // planes
    put16(p, 24);  // bits per pixel
    put32(p, 0);   // uncompressed
    put32(p, std::uint32_t(stride * height));
    put32(p, kPelsPerMeter);
    put32(p, kPelsPerMeter);
    put32(p, 0);
    put32(p, 0);

    for (std::int64_t y = 0; y < height; ++y) {
        const Rgb* in = image.row(int(height - 1 - y));
        std::uint8_t* out = bytes.data() + kHeadersSize + y * stride;
        for (std::int64_t x = 0; x < width; ++x) {
            *out++ = std::uint8_t(blueOf(in[x]));
            *out++ = std::uint8_t(greenOf(in[x]));
            *out++ = std::uint8_t(redOf(in[x]));
        }
    }
    return bytes;
}

bool writeBitmap(const RgbView& image, const std::string& path) {
    const Bytes bytes = encodeBitmap(image);
    if (bytes.empty()) {
        return false;
    }
    return writeFile(path, bytes).written();
}

}  // namespace engine
