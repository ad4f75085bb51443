// SPDX-License-Identifier: MIT
#include "engine/orientation.h"
#include "engine/bitmap_encoder.h"
#include "engine/byte_source.h"
#include "engine/picture_file.h"
#include "engine/point_sampling.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Payload = std::vector<std::uint8_t>;

// An EXIF payload with one IFD0 entry: tag, type, count and value (a SHORT, left-justified).
Payload exif(bool little, unsigned tag, unsigned type, std::uint32_t count, unsigned value) {
    Payload p{'E', 'x', 'i', 'f', 0, 0};
    const auto put16 = [&](unsigned v) {
        little ? p.insert(p.end(), {std::uint8_t(v), std::uint8_t(v >> 8)})
               : p.insert(p.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
    };
    const auto put32 = [&](std::uint32_t v) {
        little ? (put16(v & 0xFFFF), put16(v >> 16)) : (put16(v >> 16), put16(v & 0xFFFF));
    };
    p.insert(p.end(), little ? std::initializer_list<std::uint8_t>{'I', 'I'}
                             : std::initializer_list<std::uint8_t>{'M', 'M'});
    put16(42);
    put32(8);
    put16(2);                                     // two entries: another tag first
    put16(0x010F), put16(2), put32(4), put32(0);  // Make, ASCII
    put16(tag), put16(type), put32(count), put16(value), put16(0);
    put32(0);  // no next IFD
    return p;
}

TEST(Orientation, TagOfTheExifSegment) {
    for (const bool little : {true, false}) {
        for (unsigned value = 1; value <= 8; ++value) {
            const Payload p = exif(little, 0x0112, 3, 1, value);
            EXPECT_EQ(engine::exifOrientation(p.data(), p.size()), int(value));
        }
    }
    const Payload good = exif(true, 0x0112, 3, 1, 6);
    struct Bad {
        const char* what;
        Payload payload;
    };
    Payload noHeader = good;
    noHeader[0] = 'X';
    Payload badOrder = good;
    badOrder[6] = 'X';
    Payload farIfd = good;
    farIfd[10] = 0xF0;  // IFD0 offset past the end
    Payload manyEntries = exif(true, 0x0110, 3, 1, 6);
    manyEntries[14] = 0xFF;  // 255 entries claimed in a few bytes, none of them the tag
    const Bad cases[] = {
        {"out of range", exif(true, 0x0112, 3, 1, 9)},
        {"zero", exif(true, 0x0112, 3, 1, 0)},
        {"not a SHORT", exif(true, 0x0112, 4, 1, 6)},
        {"two values", exif(false, 0x0112, 3, 2, 6)},
        {"no orientation tag", exif(true, 0x0110, 3, 1, 6)},
        {"no Exif header", noHeader},
        {"bad byte order", badOrder},
        {"IFD outside", farIfd},
        {"entries past the end", manyEntries},
        {"cut short", Payload(good.begin(), good.begin() + 30)},
        {"header only", Payload(good.begin(), good.begin() + 6)},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(engine::exifOrientation(c.payload.data(), c.payload.size()), engine::kUpright);
    }
    EXPECT_EQ(engine::exifOrientation(nullptr, 0), engine::kUpright);
}

// Where the stored first row and first column go, as the tag's values are defined.
enum Edge { Top, Bottom, Left, Right };
struct Placement {
    Edge firstRow;
    Edge firstColumn;
};
const Placement kPlacements[9] = {
    {},          {Top, Left},  {Top, Right},    {Bottom, Right}, {Bottom, Left},
    {Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}};

// The upright picture, built from the definition by moving each stored pixel.
engine::RgbImage upright(const engine::RgbImage& stored, int orientation) {
    const Placement place = kPlacements[orientation];
    const bool turned = place.firstRow == Left || place.firstRow == Right;
    const int w = stored.width();
    const int h = stored.height();
    engine::RgbImage out(turned ? h : w, turned ? w : h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int ux = 0;
            int uy = 0;
            if (turned) {
                ux = place.firstRow == Left ? y : h - 1 - y;
                uy = place.firstColumn == Top ? x : w - 1 - x;
            } else {
                uy = place.firstRow == Top ? y : h - 1 - y;
                ux = place.firstColumn == Left ? x : w - 1 - x;
            }
            out.row(uy)[ux] = stored.pixel(x, y);
        }
    }
    return out;
}

// Each of the eight orientations on a small picture unlike itself under any turn or mirror:
// every thumbnail pixel is the upright picture's sample, read from where it is stored.
TEST(Orientation, EveryOrientationSamplesTheUprightPicture) {
    engine::RgbImage stored(9, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 9; ++x) {
            stored.row(y)[x] = engine::rgb(x * 20, y * 40, 7);
        }
    }
    const engine::Bytes bmp = engine::encodeBitmap(stored);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const engine::RgbImage expected = upright(stored, orientation);
        ASSERT_EQ(engine::uprightSize(stored.size(), orientation), expected.size());
        // Sampled at its own size and at a reduced one, through a decoder of the stored file.
        for (const engine::ThumbnailBox box :
             {engine::ThumbnailBox{expected.width(), expected.height()},
              engine::ThumbnailBox{3, 2}}) {
            const engine::ThumbnailPlan plan =
                engine::planThumbnail(expected.size(), box, engine::FitMode::Stretch, false);
            const auto decoder = engine::openPicture(std::make_unique<engine::MemorySource>(
                std::span<const std::uint8_t>(bmp.data(), bmp.size())));
            ASSERT_TRUE(decoder);
            EXPECT_EQ(engine::readThumbnail(*decoder, plan, orientation),
                      engine::sampleThumbnail(expected, plan));
        }
    }
}

}  // namespace
