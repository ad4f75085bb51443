// SPDX-License-Identifier: MIT
// PNG and WebP pictures in (the decoders) and out (the encoders). Fixtures are written here
// through libpng and libwebp themselves, so every layout is made, and the outputs are read back
// by those libraries, not by our decoders.
#include "engine/picture_decoder.h"
#include "engine/picture_file.h"
#include "engine/png_encoder.h"
#include "engine/point_sampling.h"
#include "engine/webp_encoder.h"

#include <lcms2.h>
#include <png.h>
#include <webp/decode.h>
#include <webp/encode.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

using engine::Bytes;
using engine::Rgb;
using engine::RgbImage;

// Every pixel different, the alpha too: a wrong sample or a dropped channel shows.
RgbImage translucentPicture(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.row(y)[x] =
                engine::rgba(x * 255 / width, y * 255 / height, (x * y) % 256, (x + 3 * y) % 256);
        }
    }
    return image;
}

struct PngFixture {
    int colourType = PNG_COLOR_TYPE_RGB_ALPHA;  // RGB_ALPHA, RGB, GRAY_ALPHA, GRAY, PALETTE
    int bitDepth = 8;                           // 8 or 16 (16 repeats each byte)
    bool interlaced = false;
    Bytes profile;  // iCCP when not empty
    Bytes exif;     // eXIf when not empty
};

PngFixture layout(int colourType, int bitDepth = 8, bool interlaced = false) {
    PngFixture f;
    f.colourType = colourType;
    f.bitDepth = bitDepth;
    f.interlaced = interlaced;
    return f;
}

// The picture in the fixture's layout. Grey layouts take the green channel; the palette one
// takes the picture's distinct colours (at most 256), with their alpha as tRNS.
Bytes pngOf(const RgbImage& image, const PngFixture& f) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes bytes;
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, std::size_t length) {
            auto* out = static_cast<Bytes*>(png_get_io_ptr(p));
            out->insert(out->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), f.bitDepth,
                 f.colourType, f.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<Rgb> palette;
    if (f.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (std::find(palette.begin(), palette.end(), image.pixel(x, y)) == palette.end()) {
                    palette.push_back(image.pixel(x, y));
                }
            }
        }
        std::vector<png_color> colours;
        std::vector<png_byte> alphas;
        for (const Rgb c : palette) {
            colours.push_back({png_byte(engine::redOf(c)), png_byte(engine::greenOf(c)),
                               png_byte(engine::blueOf(c))});
            alphas.push_back(png_byte(engine::alphaOf(c)));
        }
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
        png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    }
    if (!f.profile.empty()) {
        png_set_iCCP(png, info, "test", PNG_COMPRESSION_TYPE_BASE, f.profile.data(),
                     png_uint_32(f.profile.size()));
    }
    if (!f.exif.empty()) {
        png_set_eXIf_1(png, info, png_uint_32(f.exif.size()), const_cast<png_bytep>(f.exif.data()));
    }
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    const int samples = f.colourType == PNG_COLOR_TYPE_RGB_ALPHA    ? 4
                        : f.colourType == PNG_COLOR_TYPE_RGB        ? 3
                        : f.colourType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                    : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < image.height(); ++y) {
            std::vector<png_byte> row;
            for (int x = 0; x < image.width(); ++x) {
                const Rgb c = image.pixel(x, y);
                std::vector<int> values;
                if (f.colourType == PNG_COLOR_TYPE_PALETTE) {
                    values = {int(std::find(palette.begin(), palette.end(), c) - palette.begin())};
                } else if (samples >= 3) {
                    values = {engine::redOf(c), engine::greenOf(c), engine::blueOf(c)};
                } else {
                    values = {engine::greenOf(c)};
                }
                if (samples == 4 || samples == 2) {
                    values.push_back(engine::alphaOf(c));
                }
                for (const int v : values) {
                    row.push_back(png_byte(v));
                    if (f.bitDepth == 16) {
                        row.push_back(png_byte(v));
                    }
                }
            }
            png_write_row(png, row.data());
        }
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

// The picture as the fixture stores it, with every pixel as the decoder should give it.
RgbImage asStored(const RgbImage& image, const PngFixture& f) {
    RgbImage out = image;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const Rgb c = image.pixel(x, y);
            const bool grey =
                f.colourType == PNG_COLOR_TYPE_GRAY || f.colourType == PNG_COLOR_TYPE_GRAY_ALPHA;
            const bool alpha = (f.colourType & PNG_COLOR_MASK_ALPHA) != 0 ||
                               f.colourType == PNG_COLOR_TYPE_PALETTE;
            const int g = engine::greenOf(c);
            out.row(y)[x] =
                engine::rgba(grey ? g : engine::redOf(c), g, grey ? g : engine::blueOf(c),
                             alpha ? engine::alphaOf(c) : 255);
        }
    }
    return out;
}

Bytes webpOf(const RgbImage& image) {
    std::uint8_t* output = nullptr;
    const std::size_t length =
        WebPEncodeLosslessBGRA(reinterpret_cast<const std::uint8_t*>(image.row(0)), image.width(),
                               image.height(), image.width() * 4, &output);
    Bytes bytes(output, output + length);
    WebPFree(output);
    return bytes;
}

// The decoder reads `bytes` in place: they must outlive it.
std::unique_ptr<engine::PictureDecoder> open(const Bytes& bytes, std::string* error = nullptr) {
    return engine::openPicture(std::make_unique<engine::MemorySource>(std::span(bytes)), error);
}

RgbImage decodeAll(engine::PictureDecoder& decoder) {
    RgbImage picture(decoder.size().width(), decoder.size().height());
    EXPECT_TRUE(engine::decodeWhole(decoder, picture.row(0), picture.width())) << decoder.error();
    return picture;
}

RgbImage flattenedCopy(RgbImage image, Rgb background) {
    engine::flatten(image, background);
    return image;
}

// Each layout decodes to its pixels, transparency kept or laid over black; a thumbnail made
// from the sampled rows and columns alone is the one sampled from the whole picture.
TEST(PngAndWebp, EveryLayoutDecodesToItsPixels) {
    const RgbImage source = translucentPicture(37, 23);
    RgbImage few = source;  // for the palette: 16 colours
    for (int y = 0; y < few.height(); ++y) {
        for (int x = 0; x < few.width(); ++x) {
            few.row(y)[x] = engine::rgba(x % 4 * 80, y % 4 * 80, 40, (x % 4) * 85);
        }
    }
    struct Case {
        const char* name;
        Bytes bytes;
        RgbImage expected;
        bool transparent;
    };
    const auto png = [](const RgbImage& image, PngFixture f) {
        return Case{"", pngOf(image, f), asStored(image, f),
                    f.colourType != PNG_COLOR_TYPE_RGB && f.colourType != PNG_COLOR_TYPE_GRAY};
    };
    std::vector<Case> cases;
    const auto add = [&](const char* name, Case c) {
        c.name = name;
        cases.push_back(std::move(c));
    };
    add("RGBA", png(source, {}));
    add("RGB", png(source, layout(PNG_COLOR_TYPE_RGB)));
    add("RGBA 16-bit", png(source, layout(PNG_COLOR_TYPE_RGB_ALPHA, 16)));
    add("grey", png(source, layout(PNG_COLOR_TYPE_GRAY)));
    add("grey and alpha 16-bit", png(source, layout(PNG_COLOR_TYPE_GRAY_ALPHA, 16)));
    add("palette with tRNS", png(few, layout(PNG_COLOR_TYPE_PALETTE)));
    add("interlaced RGBA", png(source, layout(PNG_COLOR_TYPE_RGB_ALPHA, 8, true)));
    add("interlaced grey 16-bit", png(source, layout(PNG_COLOR_TYPE_GRAY, 16, true)));
    add("lossless WebP", {"", webpOf(source), source, true});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        auto decoder = open(c.bytes, &error);
        ASSERT_NE(decoder, nullptr) << error;
        EXPECT_EQ(decoder->size(), c.expected.size());
        EXPECT_EQ(decoder->hasTransparency(), c.transparent);
        decoder->keepTransparency(true);
        EXPECT_EQ(decodeAll(*decoder), c.expected);

        // Without being asked, a transparent picture comes out over black, as the window shows it.
        auto plain = open(c.bytes);
        EXPECT_EQ(decodeAll(*plain), flattenedCopy(c.expected, engine::kBlack));

        for (const auto& [w, h] : {std::pair{12, 9}, std::pair{60, 50}}) {
            auto sampled = open(c.bytes);
            sampled->keepTransparency(true);
            EXPECT_EQ(engine::readThumbnail(*sampled, w, h),
                      engine::sampleThumbnail(c.expected, w, h))
                << w << "x" << h;
        }
    }
}

// libpng's adler and CRC over a chunk: helpers for hand-made chunks.
Bytes chunk(const char* type, const Bytes& data) {
    Bytes out;
    const auto put32 = [&](std::uint32_t v) {
        for (int shift : {24, 16, 8, 0}) {
            out.push_back(std::uint8_t(v >> shift));
        }
    };
    put32(std::uint32_t(data.size()));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const std::uint32_t crc = std::uint32_t(::crc32(
        ::crc32(0, reinterpret_cast<const Bytef*>(type), 4), data.data(), uInt(data.size())));
    put32(crc);
    return out;
}

// A chunk put in right after IHDR (which ends at byte 33).
Bytes withChunkAfterHeader(Bytes png, const Bytes& extra) {
    png.insert(png.begin() + 33, extra.begin(), extra.end());
    return png;
}

TEST(PngAndWebp, DamagedFilesSayWhatIsWrong) {
    const RgbImage source = translucentPicture(30, 20);
    const Bytes png = pngOf(source, {});
    const Bytes webp = webpOf(source);

    Bytes badCrc = png;
    badCrc[29] ^= 0x55;  // in IHDR's CRC
    Bytes wideHeader = png;
    // IHDR claiming 100000 x 100000: the CRC must follow, or libpng stops there first.
    const Bytes ihdr{0, 1, 0x86, 0xA0, 0, 1, 0x86, 0xA0, 8, 6, 0, 0, 0};
    const Bytes hugeIhdr = chunk("IHDR", ihdr);
    std::copy(hugeIhdr.begin(), hugeIhdr.end(), wideHeader.begin() + 8);
    Bytes noPixels(png.begin(), png.begin() + 33);
    const Bytes end = chunk("IEND", {});
    noPixels.insert(noPixels.end(), end.begin(), end.end());
    Bytes cutWebp(webp.begin(), webp.begin() + std::ptrdiff_t(webp.size() / 2));
    Bytes junkWebp = webp;
    std::fill(junkWebp.begin() + 20, junkWebp.end(), 0x5A);

    struct Case {
        const char* name;
        Bytes bytes;
        const char* atOpen;    // the refusal when opening, or null when it opens
        const char* atDecode;  // the reason decoding fails
    };
    const Case cases[] = {
        {"a cut PNG", Bytes(png.begin(), png.end() - 40), nullptr, "damaged PNG"},
        {"PNG header only", Bytes(png.begin(), png.begin() + 20), "damaged PNG", nullptr},
        {"bad header CRC", badCrc, "damaged PNG", nullptr},
        {"too large", wideHeader, "picture too large: 100000 x 100000", nullptr},
        {"no pixel data", noPixels, "damaged PNG: IEND: out of place", nullptr},
        {"a cut WebP", cutWebp, nullptr, "damaged WebP"},
        {"WebP data replaced", junkWebp, "damaged WebP", nullptr},
        {"WebP header only", Bytes(webp.begin(), webp.begin() + 12), "damaged WebP", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        auto decoder = open(c.bytes, &error);
        if (c.atOpen != nullptr) {
            EXPECT_EQ(decoder, nullptr);
            EXPECT_TRUE(error.starts_with(c.atOpen)) << error;
            continue;
        }
        ASSERT_NE(decoder, nullptr) << error;
        RgbImage picture(decoder->size().width(), decoder->size().height());
        EXPECT_FALSE(engine::decodeWhole(*decoder, picture.row(0), picture.width()));
        EXPECT_TRUE(decoder->error().starts_with(c.atDecode)) << decoder->error();
    }
}

// A profile and an orientation come from their chunks; a damaged profile is dropped and the
// picture read as it is.
TEST(PngAndWebp, ProfilesAndOrientationFromTheirChunks) {
    const RgbImage source = translucentPicture(8, 6);
    const Bytes profile = [] {
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        cmsUInt32Number size = 0;
        cmsSaveProfileToMem(srgb, nullptr, &size);
        Bytes bytes(size);
        cmsSaveProfileToMem(srgb, bytes.data(), &size);
        cmsCloseProfile(srgb);
        return bytes;
    }();
    // A TIFF header and IFD0 with the orientation tag, value 6.
    const Bytes exif{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0,
                     3,   0,   0, 0,  1, 0, 6, 0, 0, 0, 0,    0,    0};
    {
        PngFixture tagged;
        tagged.profile = profile;
        tagged.exif = exif;
        const Bytes png = pngOf(source, tagged);
        auto decoder = open(png);
        ASSERT_NE(decoder, nullptr);
        EXPECT_EQ(decoder->colourProfile(), profile);
        EXPECT_EQ(decoder->orientation(), 6);
    }
    {
        // iCCP whose compressed profile is junk: libpng passes it over.
        Bytes data{'x', 0, 0};
        data.insert(data.end(), 40, 0x5A);
        const Bytes png = withChunkAfterHeader(pngOf(source, {}), chunk("iCCP", data));
        auto decoder = open(png);
        ASSERT_NE(decoder, nullptr);
        EXPECT_TRUE(decoder->colourProfile().empty());
        decoder->keepTransparency(true);
        EXPECT_EQ(decodeAll(*decoder), source);
    }
    {
        // The encoders embed the profile; the decoders find it again.
        const Bytes webp = engine::encodeWebp(source, 90, true, &profile);
        auto decoder = open(webp);
        ASSERT_NE(decoder, nullptr);
        EXPECT_EQ(decoder->colourProfile(), profile);
        const Bytes png = engine::encodePng(source, &profile);
        auto fromPng = open(png);
        ASSERT_NE(fromPng, nullptr);
        EXPECT_EQ(fromPng->colourProfile(), profile);
    }
}

RgbImage fromBgra(const std::uint8_t* bgra, int width, int height) {
    RgbImage image(width, height);
    std::memcpy(image.row(0), bgra, std::size_t(width) * std::size_t(height) * 4);
    return image;
}

// What the encoders write, read back by libpng and libwebp.
TEST(PngAndWebp, EncodersKeepPixelsAndTransparency) {
    const RgbImage translucent = translucentPicture(29, 17);
    const RgbImage opaque = flattenedCopy(translucent, engine::rgb(10, 20, 30));
    for (const RgbImage* image : {&translucent, &opaque}) {
        const bool transparent = image == &translucent;
        SCOPED_TRACE(transparent ? "translucent" : "opaque");
        const Bytes png = engine::encodePng(*image);
        png_image read{};
        read.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_memory(&read, png.data(), png.size()));
        EXPECT_EQ((read.format & PNG_FORMAT_FLAG_ALPHA) != 0, transparent) << "RGB when opaque";
        read.format = PNG_FORMAT_BGRA;
        std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(read));
        ASSERT_TRUE(png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr));
        EXPECT_EQ(fromBgra(pixels.data(), 29, 17), *image);

        const Bytes lossless = engine::encodeWebp(*image, 100, true);
        int width = 0;
        int height = 0;
        std::uint8_t* decoded = WebPDecodeBGRA(lossless.data(), lossless.size(), &width, &height);
        ASSERT_NE(decoded, nullptr);
        EXPECT_EQ(fromBgra(decoded, width, height), *image);
        WebPFree(decoded);

        const Bytes lossy = engine::encodeWebp(*image, 80, false);
        WebPBitstreamFeatures features{};
        ASSERT_EQ(WebPGetFeatures(lossy.data(), lossy.size(), &features), VP8_STATUS_OK);
        EXPECT_EQ(features.format, 1) << "lossy";
        EXPECT_EQ(features.has_alpha != 0, transparent);
        EXPECT_LT(engine::encodeWebp(*image, 10, false).size(), lossy.size());
    }
    EXPECT_TRUE(engine::encodeWebp(translucent, 0, false).empty());
    EXPECT_TRUE(engine::encodePng(RgbImage()).empty());
}

}  // namespace
