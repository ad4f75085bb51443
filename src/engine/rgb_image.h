// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace engine {

// A picture's width and height. The default is the invalid size "no picture".
struct Size {
    int w = -1;
    int h = -1;

    constexpr Size() = default;
    constexpr Size(int width, int height) : w(width), h(height) {}
    constexpr int width() const { return w; }
    constexpr int height() const { return h; }
    constexpr bool isValid() const { return w >= 0 && h >= 0; }
    constexpr bool isEmpty() const { return w <= 0 || h <= 0; }
    friend constexpr bool operator==(Size, Size) = default;
};

// A pixel as 0xFFRRGGBB in one 32-bit word: the layout of the window toolkit's 32-bit RGB images,
// so rows pass between the engine and the window's images without conversion. The top byte is
// the pixel's opacity: always 0xFF, except where a caller asks a decoder for transparency
// (PictureDecoder::keepTransparency), and then 0xAARRGGBB, not premultiplied.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue) {
    return 0xFF000000u | (std::uint32_t(red & 0xFF) << 16) | (std::uint32_t(green & 0xFF) << 8) |
           std::uint32_t(blue & 0xFF);
}
constexpr int redOf(Rgb pixel) {
    return int((pixel >> 16) & 0xFF);
}
constexpr int greenOf(Rgb pixel) {
    return int((pixel >> 8) & 0xFF);
}
constexpr int blueOf(Rgb pixel) {
    return int(pixel & 0xFF);
}

constexpr int alphaOf(Rgb pixel) {
    return int(pixel >> 24);
}
constexpr Rgb rgba(int red, int green, int blue, int alpha) {
    return (rgb(red, green, blue) & 0x00FFFFFFu) | (std::uint32_t(alpha & 0xFF) << 24);
}

inline constexpr Rgb kBlack = rgb(0, 0, 0);

// `pixel` laid over an opaque `background`, rounded to the nearest level; opaque.
constexpr Rgb flattened(Rgb pixel, Rgb background) {
    const int alpha = alphaOf(pixel);
    if (alpha == 0xFF) {
        return pixel;
    }
    const auto mix = [alpha](int over, int under) {
        return (over * alpha + under * (255 - alpha) + 127) / 255;
    };
    return rgb(mix(redOf(pixel), redOf(background)), mix(greenOf(pixel), greenOf(background)),
               mix(blueOf(pixel), blueOf(background)));
}

// Rows of pixels owned elsewhere, `stride` pixels apart.
struct RgbView {
    const Rgb* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    bool isNull() const { return pixels == nullptr || width <= 0 || height <= 0; }
    Size size() const { return {width, height}; }
    const Rgb* row(int y) const { return pixels + y * stride; }
};

// A picture in memory, rows top to bottom without padding.
class RgbImage {
  public:
    RgbImage() = default;
    // All black. A null image when the size is empty, above kMaxPicturePixels, or there is no
    // memory for it.
    RgbImage(int width, int height);
    RgbImage(const RgbImage&) = default;
    RgbImage& operator=(const RgbImage&) = default;
    // A moved-from image is null, size and all.
    RgbImage(RgbImage&& other) noexcept { *this = std::move(other); }
    RgbImage& operator=(RgbImage&& other) noexcept {
        if (this != &other) {
            width_ = std::exchange(other.width_, 0);
            height_ = std::exchange(other.height_, 0);
            pixels_ = std::exchange(other.pixels_, {});
        }
        return *this;
    }

    bool isNull() const { return pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }

    Rgb* row(int y) { return pixels_.data() + std::ptrdiff_t(y) * width_; }
    const Rgb* row(int y) const { return pixels_.data() + std::ptrdiff_t(y) * width_; }
    Rgb pixel(int x, int y) const { return row(y)[x]; }

    RgbView view() const { return {pixels_.data(), width_, height_, width_}; }
    // Implicit: whatever reads rows reads an image.
    operator RgbView() const { return view(); }

    friend bool operator==(const RgbImage&, const RgbImage&) = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Whether any pixel is less than opaque.
bool hasTransparency(const RgbView& image);
// Every pixel laid over the opaque `background` (flattened), in place.
void flatten(RgbImage& image, Rgb background);

}  // namespace engine
