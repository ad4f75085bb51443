// SPDX-License-Identifier: MIT
#include "engine/picture_decoder.h"

#include "engine/bmp_reader.h"
#include "engine/gif_reader.h"

#include <algorithm>
#include <cstring>

namespace engine {

namespace {

enum class Kind { Unknown, Bmp, Jpeg, Gif, Png, Webp };

Kind sniff(ByteSource& source) {
    char head[12] = {};
    if (source.size() < 4 || !source.read(0, std::min<std::int64_t>(12, source.size()), head)) {
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
    if (std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0) {
        return Kind::Png;
    }
    if (std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0) {
        return Kind::Webp;
    }
    return Kind::Unknown;
}

class BmpDecoder : public PictureDecoder {
  public:
    explicit BmpDecoder(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {}

    bool open(std::string* error) {
        layout_ = bmp::readLayout(*source_, error);
        if (!layout_) {
            return false;
        }
        size_ = Size(layout_->width, layout_->height);
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (!checkRequest(rows, columns)) {
            return false;
        }
        bmp::RowReader reader(*source_, *layout_);
        // Only the columns sampled are read and converted: a thumbnail takes a few of a wide row.
        std::vector<Rgb> rgb(columns != nullptr ? columns->size() : std::size_t(size_.width()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if ((i == 0 || rows[i] != rows[i - 1]) && !reader.rgb(rows[i], rgb.data(), columns)) {
                return fail("damaged BMP: row " + std::to_string(rows[i]) + " cannot be read");
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

    bool open(std::string* error) {
        if (!frame_.readHeaders()) {
            if (error != nullptr) {
                *error = frame_.error();
            }
            return false;
        }
        size_ = frame_.size();
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (!checkRequest(rows, columns)) {
            return false;
        }
        return frame_.decode(rows, columns, sink) || fail(frame_.error());
    }

  private:
    std::unique_ptr<ByteSource> source_;
    gif::FirstFrame frame_;
};

}  // namespace

bool PictureDecoder::checkRequest(const std::vector<int>& rows, const std::vector<int>* columns) {
    const auto outside = [](int limit) {
        return [limit](int at) { return at < 0 || at >= limit; };
    };
    if (std::any_of(rows.begin(), rows.end(), outside(size_.height())) ||
        (columns != nullptr &&
         std::any_of(columns->begin(), columns->end(), outside(size_.width())))) {
        return fail("a row or column outside the picture was asked for");
    }
    return true;
}

std::unique_ptr<PictureDecoder> openPicture(const std::string& path, std::string* error) {
    auto file = std::make_unique<FileSource>(path);
    if (!file->isOpen()) {
        if (error != nullptr) {
            *error = file->error();
        }
        return nullptr;
    }
    return openPicture(std::move(file), error);
}

std::unique_ptr<PictureDecoder> openPicture(std::unique_ptr<ByteSource> source,
                                            std::string* error) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    switch (sniff(*source)) {
        case Kind::Bmp:
            return opened(std::make_unique<BmpDecoder>(std::move(source)), &why);
        case Kind::Jpeg:
            return openJpeg(std::move(source), &why);
        case Kind::Gif:
            return opened(std::make_unique<GifDecoder>(std::move(source)), &why);
        case Kind::Png:
            return openPng(std::move(source), &why);
        case Kind::Webp:
            return openWebp(std::move(source), &why);
        case Kind::Unknown:
            break;
    }
    why = source->size() == 0 ? "empty file" : "not a BMP, JPEG, GIF, PNG or WebP picture";
    return nullptr;
}

}  // namespace engine
