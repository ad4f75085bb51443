// SPDX-License-Identifier: MIT
#include "engine/orientation.h"
#include "engine/picture_decoder.h"
#include "engine/picture_limits.h"

#include <webp/decode.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace engine {

namespace {

// The start of the file is enough for the header of almost every file; the rest is read when
// the picture is decoded.
constexpr std::int64_t kHeadBytes = 256 * 1024;
// The most a colour profile or an EXIF chunk may hold, as in a JPEG.
constexpr std::uint32_t kMaxProfileBytes = 16 * 1024 * 1024;
constexpr std::uint32_t kMaxExifBytes = 0xFFFF;

std::string reasonOf(VP8StatusCode status) {
    switch (status) {
        case VP8_STATUS_OUT_OF_MEMORY:
            return "not enough memory to decode the WebP";
        case VP8_STATUS_UNSUPPORTED_FEATURE:
            return "unsupported WebP";
        case VP8_STATUS_NOT_ENOUGH_DATA:
            return "damaged WebP: cut short";
        default:
            return "damaged WebP: bad picture data";
    }
}

std::string mebibytes(std::int64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MiB";
}

class WebpDecoder : public PictureDecoder {
  public:
    explicit WebpDecoder(std::unique_ptr<ByteSource> bytes) : bytes_(std::move(bytes)) {}

    bool open(std::string* error) {
        const auto refuse = [&](std::string why) {
            *error = std::move(why);
            return false;
        };
        if (!readBytes(std::min(bytes_->size(), kHeadBytes), error)) {
            return false;
        }
        WebPBitstreamFeatures features{};
        VP8StatusCode status = WebPGetFeatures(data_.data(), data_.size(), &features);
        if (status == VP8_STATUS_NOT_ENOUGH_DATA && std::int64_t(data_.size()) < bytes_->size() &&
            bytes_->size() <= decodeBudget()) {
            if (!readBytes(bytes_->size(), error)) {
                return false;
            }
            status = WebPGetFeatures(data_.data(), data_.size(), &features);
        }
        if (status != VP8_STATUS_OK) {
            return refuse(reasonOf(status));
        }
        if (features.has_animation) {
            return refuse("unsupported WebP: animated");
        }
        const std::int64_t pixels = std::int64_t(features.width) * features.height;
        if (features.width <= 0 || features.height <= 0) {
            return refuse("damaged WebP: no picture size");
        }
        if (pixels > kMaxPicturePixels) {
            return refuse(tooLarge(features.width, features.height));
        }
        size_ = Size(features.width, features.height);
        hasTransparency_ = features.has_alpha != 0;
        readChunks();
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (!startSingleDecode(rows, columns)) {
            return false;
        }
        const std::int64_t pixelBytes = std::int64_t(size_.width()) * size_.height() * 4;
        MemoryReservation memory(pixelBytes + bytes_->size());
        if (!memory.isHeld()) {
            return fail(tooLarge(size_.width(), size_.height()) + " (a WebP of that size needs " +
                        mebibytes(pixelBytes + bytes_->size()) + ")");
        }
        std::string error;
        if (std::int64_t(data_.size()) < bytes_->size() && !readBytes(bytes_->size(), &error)) {
            return fail(error);
        }
        // Left unset: the decoder writes every pixel before one is handed over, and a bomb
        // that claims a large picture and stops short costs no more than its data.
        std::unique_ptr<Rgb[]> picture;
        std::vector<Rgb> row;
        try {
            picture = std::make_unique_for_overwrite<Rgb[]>(std::size_t(pixelBytes / 4));
            row.resize(columns != nullptr ? columns->size() : std::size_t(size_.width()));
        } catch (const std::bad_alloc&) {
            return fail("not enough memory to decode the WebP");
        }
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config)) {
            return fail("unsupported WebP: the decoder library does not match");
        }
        // 0xAARRGGBB words, not premultiplied.
        config.output.colorspace =
            std::endian::native == std::endian::little ? MODE_BGRA : MODE_ARGB;
        config.output.is_external_memory = 1;
        config.output.u.RGBA.rgba = reinterpret_cast<std::uint8_t*>(picture.get());
        config.output.u.RGBA.stride = size_.width() * 4;
        config.output.u.RGBA.size = std::size_t(pixelBytes);
        const VP8StatusCode status = WebPDecode(data_.data(), data_.size(), &config);
        WebPFreeDecBuffer(&config.output);
        data_.clear();
        data_.shrink_to_fit();
        if (status != VP8_STATUS_OK) {
            return fail(reasonOf(status));
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Rgb* source = picture.get() + std::ptrdiff_t(rows[i]) * size_.width();
            if (columns != nullptr) {
                for (std::size_t c = 0; c < columns->size(); ++c) {
                    row[c] = delivered(source[(*columns)[c]]);
                }
            } else {
                std::transform(source, source + size_.width(), row.begin(),
                               [this](Rgb pixel) { return delivered(pixel); });
            }
            sink(int(i), row.data());
        }
        return true;
    }

  private:
    // The first `length` bytes of the file into data_.
    bool readBytes(std::int64_t length, std::string* error) {
        try {
            data_.resize(std::size_t(length));
        } catch (const std::bad_alloc&) {
            *error = "not enough memory to decode the WebP";
            return false;
        }
        if (length > 0 && !bytes_->read(0, length, data_.data())) {
            *error = "damaged WebP: cut short";
            return false;
        }
        return true;
    }

    // The colour profile and the orientation from the chunks of an extended file. A chunk that
    // claims more than the file holds ends the walk; what was found stays.
    void readChunks() {
        std::uint8_t header[8];
        if (!bytes_->read(4, 4, header)) {
            return;
        }
        const std::int64_t end = std::min(bytes_->size(), 8 + std::int64_t(u32(header)));
        for (std::int64_t at = 12; at + 8 <= end;) {
            if (!bytes_->read(at, 8, header)) {
                return;
            }
            const std::uint32_t length = u32(header + 4);
            const std::int64_t data = at + 8;
            if (data + length > end) {
                return;
            }
            if (std::memcmp(header, "ICCP", 4) == 0 && length <= kMaxProfileBytes) {
                colourProfile_.resize(length);
                if (!bytes_->read(data, length, colourProfile_.data())) {
                    colourProfile_.clear();
                }
            } else if (std::memcmp(header, "EXIF", 4) == 0 && length <= kMaxExifBytes) {
                readOrientation(data, length);
            }
            at = data + length + (length & 1);
        }
    }

    // The EXIF chunk holds TIFF data, usually without the "Exif" header a JPEG segment has.
    void readOrientation(std::int64_t at, std::uint32_t length) {
        std::vector<std::uint8_t> payload{'E', 'x', 'i', 'f', 0, 0};
        payload.resize(6 + length);
        if (!bytes_->read(at, length, payload.data() + 6)) {
            return;
        }
        const bool headed = length >= 6 && std::memcmp(payload.data() + 6, "Exif\0\0", 6) == 0;
        orientation_ =
            exifOrientation(payload.data() + (headed ? 6 : 0), payload.size() - (headed ? 6 : 0));
    }

    std::unique_ptr<ByteSource> bytes_;
    std::vector<std::uint8_t> data_;  // the start of the file, or all of it
};

}  // namespace

std::unique_ptr<PictureDecoder> openWebp(std::unique_ptr<ByteSource> source, std::string* error) {
    return opened(std::make_unique<WebpDecoder>(std::move(source)), error);
}

}  // namespace engine
