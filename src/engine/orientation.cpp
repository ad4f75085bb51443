// SPDX-License-Identifier: MIT
#include "engine/orientation.h"

#include <cstring>
#include <utility>

namespace engine {

int exifOrientation(const std::uint8_t* payload, std::size_t size) {
    constexpr std::size_t kHeader = 6;  // "Exif\0\0"
    if (payload == nullptr || size < kHeader + 8 || std::memcmp(payload, "Exif\0\0", 6) != 0) {
        return kUpright;
    }
    const std::uint8_t* tiff = payload + kHeader;
    const std::size_t length = size - kHeader;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) {
        return kUpright;
    }
    const auto u16 = [&](std::size_t at) {
        return little ? unsigned(tiff[at] | tiff[at + 1] << 8)
                      : unsigned(tiff[at] << 8 | tiff[at + 1]);
    };
    const auto u32 = [&](std::size_t at) {
        return little ? std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16
                      : std::uint32_t(u16(at)) << 16 | std::uint32_t(u16(at + 2));
    };
    if (u16(2) != 42) {
        return kUpright;
    }
    const std::uint32_t ifd = u32(4);
    if (ifd < 8 || ifd > length - 2) {
        return kUpright;
    }
    const unsigned entries = u16(ifd);
    for (unsigned i = 0; i < entries; ++i) {
        const std::size_t entry = ifd + 2 + std::size_t(i) * 12;
        if (entry + 12 > length) {
            return kUpright;
        }
        constexpr unsigned kOrientationTag = 0x0112;
        constexpr unsigned kShort = 3;
        if (u16(entry) == kOrientationTag) {
            const unsigned value = u16(entry + 8);
            const bool valid =
                u16(entry + 2) == kShort && u32(entry + 4) == 1 && value >= 1 && value <= 8;
            return valid ? int(value) : kUpright;
        }
    }
    return kUpright;
}

Size uprightSize(Size stored, int orientation) {
    return orientation >= 5 && orientation <= 8 ? Size(stored.height(), stored.width()) : stored;
}

Point storedPoint(Size stored, int orientation, int x, int y) {
    const int right = stored.width() - 1;
    const int bottom = stored.height() - 1;
    switch (orientation) {
        case 2:
            return {right - x, y};
        case 3:
            return {right - x, bottom - y};
        case 4:
            return {x, bottom - y};
        case 5:
            return {y, x};
        case 6:
            return {y, bottom - x};
        case 7:
            return {right - y, bottom - x};
        case 8:
            return {right - y, x};
        default:
            return {x, y};
    }
}

}  // namespace engine
