#include "engine/bitmap_encoder.h"

#include "engine/file_replace.h"

#include <cstdint>

namespace engine {

namespace {

constexpr int kHeadersSize = 14 + 40;
// 96 dots per inch, the screen the canvas was drawn on.
constexpr std::uint32_t kPelsPerMeter = 3780;

void put16(char*& p, std::uint16_t v) {
    *p++ = char(v & 0xFF);
    *p++ = char(v >> 8);
}
void put32(char*& p, std::uint32_t v) {
    put16(p, std::uint16_t(v & 0xFFFF));
    put16(p, std::uint16_t(v >> 16));
}

}  // namespace

QByteArray encodeBitmap(const RgbView& image) {
    if (image.isNull()) {
        return {};
    }
    const qint64 width = image.width;
    const qint64 height = image.height;
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    const qint64 fileSize = kHeadersSize + stride * height;
    if (fileSize > 0x7FFFFFFF) {
        return {};
    }
    QByteArray bytes(qsizetype(fileSize), '\0');
    char* p = bytes.data();
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

    for (qint64 y = 0; y < height; ++y) {
        const Rgb* in = image.row(int(height - 1 - y));
        char* out = bytes.data() + kHeadersSize + y * stride;
        for (qint64 x = 0; x < width; ++x) {
            *out++ = char(blueOf(in[x]));
            *out++ = char(greenOf(in[x]));
            *out++ = char(redOf(in[x]));
        }
    }
    return bytes;
}

bool writeBitmap(const RgbView& image, const QString& path) {
    const QByteArray bytes = encodeBitmap(image);
    if (bytes.isEmpty()) {
        return false;
    }
    return replaceFile(path, bytes);
}

}  // namespace engine
