// SPDX-License-Identifier: MIT
#include "engine/bmp_reader.h"

#include "engine/picture_limits.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace engine::bmp {

namespace {

constexpr std::int64_t kFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

bool knownHeaderSize(std::uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool contiguous(std::uint32_t mask) {
    if (mask == 0) {
        return true;
    }
    const std::uint32_t shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

// A masked channel widened to 8 bits.
int channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const std::uint32_t v = (value & mask) >> shift;
    if (bits >= 8) {
        return int(v >> (bits - 8));
    }
    const std::uint32_t max = (1u << bits) - 1;
    return int((v * 255 + max / 2) / max);
}

bool readPalette(ByteSource& source, std::int64_t offset, int entrySize, Layout& layout,
                 std::uint32_t colorsUsed) {
    const int entries = 1 << layout.bitsPerPixel;
    int stored = colorsUsed == 0 || colorsUsed > std::uint32_t(entries) ? entries : int(colorsUsed);
    if (colorsUsed == 0) {
        // Writers of the old core header (and some others) store only the colours up to the
        // pixel data.
        const std::int64_t room = (layout.pixelOffset - offset) / entrySize;
        stored = int(std::clamp<std::int64_t>(room, 0, entries));
    }
    if (stored == 0) {
        return false;
    }
    std::vector<std::uint8_t> bytes(std::size_t(stored) * std::size_t(entrySize));
    if (offset + std::int64_t(bytes.size()) > source.size() ||
        !source.read(offset, std::int64_t(bytes.size()), bytes.data())) {
        return false;
    }
    layout.palette.assign(std::size_t(entries), kBlack);
    for (int i = 0; i < stored; ++i) {
        const std::uint8_t* e = bytes.data() + std::size_t(i) * std::size_t(entrySize);
        layout.palette[std::size_t(i)] = rgb(e[2], e[1], e[0]);
    }
    return true;
}

}  // namespace

namespace {

std::string compressionName(std::uint32_t compression) {
    switch (compression) {
        case 1:
            return "RLE8";
        case 2:
            return "RLE4";
        case 4:
            return "JPEG";
        case 5:
            return "PNG";
        default:
            return std::to_string(compression);
    }
}

}  // namespace

std::optional<Layout> readLayout(ByteSource& source, std::string* error) {
    const auto refuse = [&](std::string why) -> std::optional<Layout> {
        if (error != nullptr) {
            *error = std::move(why);
        }
        return std::nullopt;
    };
    const std::int64_t fileSize = source.size();
    std::uint8_t head[kFileHeaderSize + 124 + 16] = {};
    if (!source.read(0, 2, head) || head[0] != 'B' || head[1] != 'M') {
        return refuse("not a BMP picture");
    }
    if (fileSize < kFileHeaderSize + 12 || !source.read(0, kFileHeaderSize + 4, head)) {
        return refuse("damaged BMP: cut short in the headers");
    }
    const std::uint32_t headerSize = u32(head + 14);
    if (!knownHeaderSize(headerSize)) {
        return refuse("unsupported BMP: information header of " + std::to_string(headerSize) +
                      " bytes");
    }
    if (kFileHeaderSize + std::int64_t(headerSize) > fileSize ||
        !source.read(kFileHeaderSize, headerSize, head + kFileHeaderSize)) {
        return refuse("damaged BMP: cut short in the headers");
    }
    const std::uint8_t* info = head + kFileHeaderSize;
    Layout layout;
    layout.pixelOffset = u32(head + 10);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t colorsUsed = 0;
    std::int64_t paletteOffset = kFileHeaderSize + headerSize;
    int paletteEntrySize = 4;
    if (headerSize == 12) {
        width = u16(info + 4);
        height = u16(info + 6);
        layout.planes = u16(info + 8);
        layout.bitsPerPixel = u16(info + 10);
        paletteEntrySize = 3;
    } else {
        width = i32(info + 4);
        height = i32(info + 8);
        layout.planes = u16(info + 12);
        layout.bitsPerPixel = u16(info + 14);
        layout.compression = u32(info + 16);
        layout.imageSize = u32(info + 20);
        layout.xPelsPerMeter = i32(info + 24);
        layout.yPelsPerMeter = i32(info + 28);
        colorsUsed = u32(info + 32);
        layout.colorsImportant = u32(info + 36);
    }
    layout.storedHeight = std::int32_t(height);
    layout.colorsUsed = colorsUsed;
    layout.topDown = height < 0;
    height = height < 0 ? -height : height;
    const int bpp = layout.bitsPerPixel;
    if (width <= 0 || height <= 0) {
        return refuse("damaged BMP: no picture size (" + std::to_string(width) + " x " +
                      std::to_string(height) + ")");
    }
    if (layout.planes != 1) {
        return refuse("damaged BMP: " + std::to_string(layout.planes) + " colour planes");
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        return refuse("unsupported BMP: " + std::to_string(bpp) + " bits per pixel");
    }
    if (width * height > kMaxPicturePixels) {
        return refuse(tooLarge(width, height));
    }
    layout.width = int(width);
    layout.height = int(height);

    if (layout.compression == kBitFields || layout.compression == kAlphaBitFields) {
        if (bpp != 16 && bpp != 32) {
            return refuse("unsupported BMP: colour masks with " + std::to_string(bpp) +
                          " bits per pixel");
        }
        if (headerSize == 40) {
            // The masks follow a 40-byte header.
            const std::int64_t maskBytes = layout.compression == kBitFields ? 12 : 16;
            if (!source.read(paletteOffset, 12, head + kFileHeaderSize + 40)) {
                return refuse("damaged BMP: cut short in the colour masks");
            }
            paletteOffset += maskBytes;
        }
        for (int i = 0; i < 3; ++i) {
            layout.masks[i] = u32(info + 40 + 4 * i);
            if (!contiguous(layout.masks[i])) {
                return refuse("damaged BMP: a colour mask with gaps");
            }
        }
    } else if (layout.compression == kRgb) {
        static constexpr std::uint32_t k555[3] = {0x7C00, 0x03E0, 0x001F};
        static constexpr std::uint32_t k888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        std::memcpy(layout.masks, bpp == 16 ? k555 : k888, sizeof layout.masks);
    } else {
        // Run-length and embedded formats are not read.
        return refuse("unsupported BMP compression " + compressionName(layout.compression));
    }

    if (bpp <= 8 && !readPalette(source, paletteOffset, paletteEntrySize, layout, colorsUsed)) {
        return refuse("damaged BMP: no colour table");
    }

    layout.stride = ((width * bpp + 31) / 32) * 4;
    const std::int64_t rowBytes = (width * bpp + 7) / 8;
    // The last row may lack its padding; everything else must be in the file.
    if (layout.pixelOffset < kFileHeaderSize + headerSize ||
        layout.pixelOffset + layout.stride * (height - 1) + rowBytes > fileSize) {
        return refuse("damaged BMP: the pixel data is cut short");
    }
    return layout;
}

namespace {

// Rows longer than this are read pixel by pixel when only some columns are wanted: a
// thumbnail takes a hundred or so of a row that may be millions of pixels wide.
constexpr std::int64_t kSparseRowBytes = 64 * 1024;

std::int64_t rowBytesOf(const Layout& layout) {
    return (std::int64_t(layout.width) * layout.bitsPerPixel + 7) / 8;
}

}  // namespace

RowReader::RowReader(ByteSource& source, const Layout& layout) : source_(source), layout_(layout) {}

std::int64_t RowReader::rowOffset(int y) const {
    const std::int64_t stored = layout_.topDown ? y : layout_.height - 1 - y;
    return layout_.pixelOffset + stored * layout_.stride;
}

const std::uint8_t* RowReader::raw(int y) {
    if (y < 0 || y >= layout_.height) {
        return nullptr;
    }
    if (y != loaded_) {
        const std::int64_t rowBytes = rowBytesOf(layout_);
        row_.resize(std::size_t(rowBytes));
        if (!source_.read(rowOffset(y), rowBytes, row_.data())) {
            loaded_ = -1;
            return nullptr;
        }
        loaded_ = y;
    }
    return row_.data();
}

namespace {

// Pixel x's palette index in the byte that holds it (1 to 8 bits per pixel).
std::uint8_t indexInByte(std::uint8_t byte, int bitsPerPixel, std::int64_t x) {
    const int perByte = 8 / bitsPerPixel;
    const int shift = 8 - bitsPerPixel * (int(x % perByte) + 1);
    return std::uint8_t((byte >> shift) & ((1 << bitsPerPixel) - 1));
}

std::uint8_t indexAt(const std::uint8_t* row, int bitsPerPixel, int x) {
    return indexInByte(row[x / (8 / bitsPerPixel)], bitsPerPixel, x);
}

}  // namespace

bool RowReader::indices(int y, std::uint8_t* into) {
    const std::uint8_t* in = raw(y);
    const int bpp = layout_.bitsPerPixel;
    if (in == nullptr || bpp > 8) {
        return false;
    }
    for (int x = 0; x < layout_.width; ++x) {
        into[x] = indexAt(in, bpp, x);
    }
    return true;
}

bool RowReader::sparse(int y, Rgb* into, const std::vector<int>& columns) {
    if (y < 0 || y >= layout_.height) {
        return false;
    }
    const int bpp = layout_.bitsPerPixel;
    const std::int64_t start = rowOffset(y);
    std::uint8_t bytes[4] = {};
    std::int64_t loadedAt = -1;  // the byte of the row in `bytes`
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::int64_t x = columns[i];
        const std::int64_t at = x * bpp / 8;
        if (at != loadedAt && !source_.read(start + at, std::max(bpp / 8, 1), bytes)) {
            return false;
        }
        loadedAt = at;
        switch (bpp) {
            case 24:
                into[i] = engine::rgb(bytes[2], bytes[1], bytes[0]);
                break;
            case 16:
            case 32: {
                const std::uint32_t v = bpp == 16 ? u16(bytes) : u32(bytes);
                const std::uint32_t* m = layout_.masks;
                into[i] = engine::rgb(channel(v, m[0]), channel(v, m[1]), channel(v, m[2]));
                break;
            }
            default:
                into[i] = layout_.palette[indexInByte(bytes[0], bpp, x)];
                break;
        }
    }
    return true;
}

bool RowReader::rgb(int y, Rgb* into, const std::vector<int>* columns) {
    if (columns != nullptr && rowBytesOf(layout_) > kSparseRowBytes) {
        return sparse(y, into, *columns);
    }
    const std::uint8_t* in = raw(y);
    if (in == nullptr) {
        return false;
    }
    const auto convert = [&](auto pixelAt) {
        if (columns != nullptr) {
            for (std::size_t i = 0; i < columns->size(); ++i) {
                into[i] = pixelAt(std::size_t((*columns)[i]));
            }
            return;
        }
        for (std::size_t x = 0; x < std::size_t(layout_.width); ++x) {
            into[x] = pixelAt(x);
        }
    };
    const int bpp = layout_.bitsPerPixel;
    const std::uint32_t* m = layout_.masks;
    switch (bpp) {
        case 24:
            convert([&](std::size_t x) {
                const std::uint8_t* p = in + 3 * x;
                return engine::rgb(p[2], p[1], p[0]);
            });
            break;
        case 16:
        case 32:
            convert([&](std::size_t x) {
                const std::uint32_t v = bpp == 16 ? u16(in + 2 * x) : u32(in + 4 * x);
                return engine::rgb(channel(v, m[0]), channel(v, m[1]), channel(v, m[2]));
            });
            break;
        default:
            convert([&](std::size_t x) { return layout_.palette[indexAt(in, bpp, int(x))]; });
            break;
    }
    return true;
}

}  // namespace engine::bmp
