#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace engine_fixtures {

// A picture whose every pixel tells where it is: red and the low bits of green hold x,
// blue and the high bits of green hold y (both below 4096).
QImage coordinatePicture(int width, int height);
QPoint coordinateOf(QRgb pixel);

// Noise over gradients and a few shapes: JPEG blocks of every kind, nothing flat.
QImage photographicPicture(int width, int height, unsigned seed = 1);

// JPEG fixtures through libjpeg-turbo's compression API.
struct JpegFixture {
    int hSample = 2;  // luma sampling factors: 2x2 is 4:2:0, 2x1 4:2:2, 1x1 4:4:4
    int vSample = 2;
    bool grey = false;
    bool progressive = false;
    int restartInterval = 0;  // in MCUs
    int quality = 90;
};
QByteArray encodeJpegFixture(const QImage& picture, const JpegFixture& options);

// A BMP written field by field, so tests can build every layout and every broken header.
struct BmpFixture {
    int width = 0;
    int height = 0;  // negative: top-down
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;  // 12 writes the old core header
    std::vector<QRgb> palette;
    std::vector<std::uint32_t> masks;  // written after a 40-byte header, or inside a larger one
    // Stored value of each pixel, top row first: a palette index, a packed 16/32-bit value or
    // 0xRRGGBB for 24 bits.
    std::vector<std::uint32_t> pixels;
};
QByteArray encodeBmpFixture(const BmpFixture& bmp);

// A GIF of one frame (at most 256 colours), LZW-coded without compression.
QByteArray encodeGifFixture(const QImage& picture);

// Little-endian field patching for hostile variants of a file.
void put32(QByteArray& bytes, int offset, std::uint32_t value);
void put16(QByteArray& bytes, int offset, std::uint16_t value);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

}  // namespace engine_fixtures
