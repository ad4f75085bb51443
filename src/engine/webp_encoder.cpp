// SPDX-License-Identifier: MIT
#include "engine/webp_encoder.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <bit>
#include <vector>

namespace engine {

namespace {

// The encoder reads B, G, R, A bytes: 0xAARRGGBB words on a little-endian machine; elsewhere
// the words are copied into that order first.
Bytes encodeRows(const RgbView& image, int quality, bool lossless) {
    const std::uint8_t* pixels = reinterpret_cast<const std::uint8_t*>(image.pixels);
    int stride = int(image.stride * 4);
    std::vector<std::uint8_t> bgra;
    if constexpr (std::endian::native != std::endian::little) {
        bgra.reserve(std::size_t(image.width) * std::size_t(image.height) * 4);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const Rgb pixel = image.row(y)[x];
                bgra.insert(bgra.end(), {std::uint8_t(blueOf(pixel)), std::uint8_t(greenOf(pixel)),
                                         std::uint8_t(redOf(pixel)), std::uint8_t(alphaOf(pixel))});
            }
        }
        pixels = bgra.data();
        stride = image.width * 4;
    }
    std::uint8_t* output = nullptr;
    const std::size_t length =
        lossless
            ? WebPEncodeLosslessBGRA(pixels, image.width, image.height, stride, &output)
            : WebPEncodeBGRA(pixels, image.width, image.height, stride, float(quality), &output);
    Bytes bytes(output, output + (output != nullptr ? length : 0));
    WebPFree(output);
    return bytes;
}

// The encoded picture with the profile as an ICCP chunk (the file becomes an extended one).
Bytes withProfile(const Bytes& picture, const Bytes& profile) {
    WebPMux* mux = WebPMuxNew();
    if (mux == nullptr) {
        return {};
    }
    const WebPData image{picture.data(), picture.size()};
    const WebPData icc{profile.data(), profile.size()};
    WebPData assembled{nullptr, 0};
    Bytes bytes;
    if (WebPMuxSetImage(mux, &image, 0) == WEBP_MUX_OK &&
        WebPMuxSetChunk(mux, "ICCP", &icc, 0) == WEBP_MUX_OK &&
        WebPMuxAssemble(mux, &assembled) == WEBP_MUX_OK) {
        bytes.assign(assembled.bytes, assembled.bytes + assembled.size);
    }
    WebPDataClear(&assembled);
    WebPMuxDelete(mux);
    return bytes;
}

}  // namespace

Bytes encodeWebp(const RgbView& image, int quality, bool lossless, const Bytes* profile) {
    // libwebp's limit on a side.
    constexpr int kMaxSide = 16383;
    if (image.isNull() || quality < 1 || quality > 100 || image.width > kMaxSide ||
        image.height > kMaxSide) {
        return {};
    }
    Bytes bytes = encodeRows(image, quality, lossless);
    if (bytes.empty() || profile == nullptr || profile->empty()) {
        return bytes;
    }
    return withProfile(bytes, *profile);
}

}  // namespace engine
