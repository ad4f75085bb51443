// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
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
// Hostile variants of a JPEG: the frame header claiming another size (nothing else changes,
// so the data runs out early), another sample precision or another frame type (0xC3 lossless),
// and `count` more scans without data before the end (a pass over the picture each).
QByteArray withClaimedSize(QByteArray jpeg, int width, int height);
QByteArray withPrecision(QByteArray jpeg, int bits);
QByteArray withFrameType(QByteArray jpeg, int marker);
QByteArray withEmptyScans(QByteArray jpeg, int count);

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

// A GIF of one frame (at most 256 colours) covering its screen.
QByteArray encodeGifFixture(const QImage& picture);

// GIFs built part by part, LZW-coded as encoders do, so tests can make every layout.
struct GifFrame {
    QRect rect;                         // on the screen
    std::vector<std::uint8_t> indices;  // rect's pixels, top row first
    std::vector<QRgb> localTable;       // none when empty
    int minimumCodeSize = 8;
    bool interlaced = false;
    int transparentIndex = -1;  // a graphic control extension names it when >= 0
    QByteArray codes;           // when not empty, the image data instead of coded `indices`
};
struct GifFixture {
    QSize screen;
    std::vector<QRgb> globalTable;  // none when empty
    int background = 0;
    std::vector<GifFrame> frames;
    const char* signature = "GIF89a";
    bool extensions = false;    // a comment and an application extension before the frames
    int clearEvery = 0;         // a clear code after every so many codes (0: when the table fills)
    bool clearWhenFull = true;  // false: a full table is kept and codes stay 12 bits wide
};
QByteArray encodeGif(const GifFixture& gif);
// The LZW codes of `indices`, packed, without the sub-block framing.
QByteArray lzwCodes(const std::vector<std::uint8_t>& indices, int minimumCodeSize,
                    int clearEvery = 0, bool clearWhenFull = true);
// Codes as given, packed at `codeSize` bits each: for data no encoder would write.
QByteArray packCodes(const std::vector<int>& codes, int codeSize);
// Image data bytes as GIF sub-blocks of at most 255 bytes, with the terminator.
QByteArray subBlocks(const QByteArray& data);

// Little-endian field patching for hostile variants of a file.
void put32(QByteArray& bytes, int offset, std::uint32_t value);
void put16(QByteArray& bytes, int offset, std::uint16_t value);

bool writeFile(const QString& path, const QByteArray& bytes);
// The picture size the engine reads from a file's header; invalid when it reads none.
QSize pictureSizeOf(const QString& path);
QByteArray readFile(const QString& path);

}  // namespace engine_fixtures
