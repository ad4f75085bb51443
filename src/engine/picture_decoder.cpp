// SPDX-License-Identifier: MIT
#include "engine/picture_decoder.h"

#include "engine/bmp_reader.h"
#include "engine/gif_reader.h"

#include <algorithm>
#include <cstring>

namespace engine {

namespace {

enum class Kind { Unknown, Bmp, Jpeg, Gif };

Kind sniff(ByteSource& source) {
    char head[4] = {};
    if (!source.read(0, 4, head)) {
        return Kind::Unknown;
    }
    const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
    if (head[0] == 'B' && head[1] == 'M') {
        return Kind::Bmp;
    }
    if (byte(0) == 0xFF && byte(1) == 0xD8 && byte(2) == 0xFF) {
        return Kind::Jpeg;
    }
    if (std::memcmp(head, "GIF8", 4) == 0) {
        return Kind::Gif;
    }
    return Kind::Unknown;
}

class BmpDecoder : public PictureDecoder {
  public:
    explicit BmpDecoder(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {}

    bool open() {
        layout_ = bmp::readLayout(*source_);
        if (!layout_) {
            return false;
        }
        size_ = Size(layout_->width, layout_->height);
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (columns != nullptr && std::any_of(columns->begin(), columns->end(),
                                              [&](int x) { return x < 0 || x >= size_.width(); })) {
            return false;
        }
        bmp::RowReader reader(*source_, *layout_);
        // Only the columns sampled are converted: a thumbnail takes a few of a wide row.
        std::vector<Rgb> rgb(std::size_t(size_.width()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if ((i == 0 || rows[i] != rows[i - 1]) && !reader.rgb(rows[i], rgb.data(), columns)) {
                return false;
            }
            sink(int(i), rgb.data());
        }
        return true;
    }

  private:
    std::unique_ptr<ByteSource> source_;
    std::optional<bmp::Layout> layout_;
};

class GifDecoder : public PictureDecoder {
  public:
    explicit GifDecoder(std::unique_ptr<ByteSource> source)
        : source_(std::move(source)), frame_(*source_) {}

    bool open() {
        if (!frame_.readHeaders()) {
            return false;
        }
        size_ = frame_.size();
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* /*columns*/,
                const RowSink& sink) override {
        if (!frame_.decode()) {
            return false;
        }
        std::vector<Rgb> rgb(std::size_t(size_.width()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] < 0 || rows[i] >= size_.height()) {
                return false;
            }
            if (i == 0 || rows[i] != rows[i - 1]) {
                frame_.row(rows[i], rgb.data());
            }
            sink(int(i), rgb.data());
        }
        return true;
    }

  private:
    std::unique_ptr<ByteSource> source_;
    gif::FirstFrame frame_;
};

template <class Decoder>
std::unique_ptr<PictureDecoder> opened(std::unique_ptr<Decoder> decoder) {
    if (!decoder->open()) {
        return nullptr;
    }
    return decoder;
}

}  // namespace

std::unique_ptr<PictureDecoder> openPicture(const std::string& path) {
    auto file = std::make_unique<FileSource>(path);
    return file->isOpen() ? openPicture(std::move(file)) : nullptr;
}

std::unique_ptr<PictureDecoder> openPicture(std::unique_ptr<ByteSource> source) {
    switch (sniff(*source)) {
        case Kind::Bmp:
            return opened(std::make_unique<BmpDecoder>(std::move(source)));
        case Kind::Jpeg:
            return openJpeg(std::move(source));
        case Kind::Gif:
            return opened(std::make_unique<GifDecoder>(std::move(source)));
        case Kind::Unknown:
            break;
    }
    return nullptr;
}

}  // namespace engine
