// SPDX-License-Identifier: MIT
#include "engine/png_encoder.h"

#include <png.h>

#include <bit>
#include <new>

namespace engine {

namespace {

void onError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void writeData(png_structp png, png_bytep data, std::size_t length) {
    auto* bytes = static_cast<Bytes*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        bytes->insert(bytes->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) {
        png_error(png, "Out of memory");
    }
}

void flushData(png_structp) {}

// Plain data only on this frame: libpng leaves it by longjmp.
bool compress(png_structp png, png_infop info, const RgbView* image, const Bytes* profile,
              bool transparent) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    // A profile libpng finds wrong is left out rather than failing the thumbnail.
    png_set_benign_errors(png, 1);
    png_set_IHDR(png, info, png_uint_32(image->width), png_uint_32(image->height), 8,
                 transparent ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (profile != nullptr && !profile->empty()) {
        png_set_iCCP(png, info, "ICC profile", PNG_COMPRESSION_TYPE_BASE, profile->data(),
                     png_uint_32(profile->size()));
    }
    png_write_info(png, info);
    // The rows are 0xAARRGGBB words.
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(png);  // B, G, R, A in memory
        if (!transparent) {
            png_set_filler(png, 0, PNG_FILLER_AFTER);
        }
    } else if (transparent) {
        png_set_swap_alpha(png);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < image->height; ++y) {
        png_write_row(png, reinterpret_cast<png_const_bytep>(image->row(y)));
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

Bytes encodePng(const RgbView& image, const Bytes* profile) {
    if (image.isNull()) {
        return {};
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    Bytes bytes;
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &bytes, writeData, flushData);
        written = compress(png, info, &image, profile, hasTransparency(image));
    }
    png_destroy_write_struct(&png, &info);
    return written ? bytes : Bytes();
}

}  // namespace engine
