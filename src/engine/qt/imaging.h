// SPDX-License-Identifier: MIT
#pragma once

#include "engine/bmp_reader.h"

#include <QImage>
#include <QString>

#include <cstdint>

// The imaging adaptor: reading a BMP's header and pixels, widening 1-bit pictures to 8 bits
// and writing JPEG files, with the operations and argument order BmpToJpg was written for.
// A BMP is never trusted: every size is checked against the file and the pixel limit before
// anything is allocated, and a bad file gives a non-zero status.
namespace engine::imaging {

enum Status : std::int32_t {
    kOk = 0,
    kBadRange = -1,   // a size, depth or quality out of range
    kNoMemory = -2,   // the buffer could not be allocated
    kCantOpen = -3,   // the file could not be opened or created
    kBadFormat = -4,  // not a BMP this adaptor reads, or damaged
    kMismatch = -5,   // the file's size or depth does not fit the image descriptor
    kCantWrite = -6,  // the file could not be written whole
};

// The 40-byte bitmap information header, as stored in the file (a negative height is a
// top-down file).
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// An image buffer: 1, 4 or 8 bits per pixel hold palette indices (1 bit as QImage::Format_Mono,
// 4 and 8 as Format_Indexed8), 24 bits hold RGB (Format_RGB32). Descriptors may share a
// buffer (copyimgdes); it is released when no descriptor holds it any more.
struct ImageDescriptor {
    QImage buffer;
    int bitsPerPixel = 0;
};

// Fills `header` from the file's headers. On a file that is not a readable BMP, the header is
// left zeroed and the status is non-zero, so a following allocimage refuses the sizes.
std::int32_t bmpinfo(const QString& fileName, BitmapInfoHeader& header);
std::int32_t bmpinfo(ByteSource& source, BitmapInfoHeader& header);

// An empty (black) buffer of that size and depth (1, 4, 8 or 24 bits). A negative height
// stands for its magnitude, as in a top-down file's header.
std::int32_t allocimage(ImageDescriptor& image, int width, int height, int bitsPerPixel);

// The file's pixels into `image`, whose size must be the file's; a 24-bit image takes any
// file, an 8- or 4-bit one files of at most its depth, a 1-bit one only 1-bit files.
std::int32_t loadbmp(const QString& fileName, ImageDescriptor& image);
std::int32_t loadbmp(ByteSource& source, ImageDescriptor& image);

// `destination` (8 bits, the same size) takes the 1-bit `source` picture; nothing happens
// when the descriptors do not fit.
void convert1bitto8bit(const ImageDescriptor& source, ImageDescriptor& destination);

void freeimage(ImageDescriptor& image);

// `destination` now describes `source`'s buffer.
void copyimgdes(const ImageDescriptor& source, ImageDescriptor& destination);

// A JPEG of the image at quality 1..100, replacing any file of that name once it is written.
std::int32_t savejpg(const QString& fileName, const ImageDescriptor& image, int quality);

}  // namespace engine::imaging
