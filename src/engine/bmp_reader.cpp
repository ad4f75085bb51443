// SPDX-License-Identifier: MIT
#include "engine/bmp_reader.h"

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

std::optional<Layout> readLayout(ByteSource& source) {
    const std::int64_t fileSize = source.size();
    std::uint8_t head[kFileHeaderSize + 124 + 16] = {};
    if (fileSize < kFileHeaderSize + 12 || !source.read(0, kFileHeaderSize + 4, head) ||
        head[0] != 'B' || head[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t headerSize = u32(head + 14);
    if (!knownHeaderSize(headerSize) || kFileHeaderSize + std::int64_t(headerSize) > fileSize ||
        !source.read(kFileHeaderSize, headerSize, head + kFileHeaderSize)) {
        return std::nullopt;
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
    if (width <= 0 || height <= 0 || layout.planes != 1 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) ||
        width * height > kMaxPicturePixels) {
        return std::nullopt;
    }
    layout.width = int(width);
    layout.height = int(height);

    if (layout.compression == kBitFields || layout.compression == kAlphaBitFields) {
        if (bpp != 16 && bpp != 32) {
            return std::nullopt;
        }
        if (headerSize == 40) {
            // The masks follow a 40-byte header.
            const std::int64_t maskBytes = layout.compression == kBitFields ? 12 : 16;
            if (!source.read(paletteOffset, 12, head + kFileHeaderSize + 40)) {
                return std::nullopt;
            }
            paletteOffset += maskBytes;
        }
        for (int i = 0; i < 3; ++i) {
            layout.masks[i] = u32(info + 40 + 4 * i);
            if (!contiguous(layout.masks[i])) {
                return std::nullopt;
            }
        }
    } else if (layout.compression == kRgb) {
        static constexpr std::uint32_t k555[3] = {0x7C00, 0x03E0, 0x001F};
        static constexpr std::uint32_t k888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        std::memcpy(layout.masks, bpp == 16 ? k555 : k888, sizeof layout.masks);
    } else {
        return std::nullopt;  // run-length and embedded formats are not read
    }

    if (bpp <= 8 && !readPalette(source, paletteOffset, paletteEntrySize, layout, colorsUsed)) {
        return std::nullopt;
    }

    layout.stride = ((width * bpp + 31) / 32) * 4;
    const std::int64_t rowBytes = (width * bpp + 7) / 8;
    // The last row may lack its padding; everything else must be in the file.
    if (layout.pixelOffset < kFileHeaderSize + headerSize ||
        layout.pixelOffset + layout.stride * (height - 1) + rowBytes > fileSize) {
        return std::nullopt;
    }
    return layout;
}

RowReader::RowReader(ByteSource& source, const Layout& layout)
    : source_(source), layout_(layout), row_(std::size_t(layout.stride)) {}

const std::uint8_t* RowReader::raw(int y) {
    if (y < 0 || y >= layout_.height) {
        return nullptr;
    }
    if (y != loaded_) {
        const std::int64_t stored = layout_.topDown ? y : layout_.height - 1 - y;
        const std::int64_t rowBytes = (std::int64_t(layout_.width) * layout_.bitsPerPixel + 7) / 8;
        if (!source_.read(layout_.pixelOffset + stored * layout_.stride, rowBytes, row_.data())) {
            loaded_ = -1;
            return nullptr;
        }
        loaded_ = y;
    }
    return row_.data();
}

namespace {

std::uint8_t indexAt(const std::uint8_t* row, int bitsPerPixel, int x) {
    const int perByte = 8 / bitsPerPixel;
    const int shift = 8 - bitsPerPixel * (x % perByte + 1);
    return std::uint8_t((row[x / perByte] >> shift) & ((1 << bitsPerPixel) - 1));
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

bool RowReader::rgb(int y, Rgb* into, const std::vector<int>* columns) {
    const std::uint8_t* in = raw(y);
    if (in == nullptr) {
        return false;
    }
    const auto convert = [&](auto pixelAt) {
        if (columns != nullptr) {
            for (const int x : *columns) {
                into[x] = pixelAt(std::size_t(x));
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
