#include "engine/picture_decoder.h"

#include "engine/bmp_reader.h"
#include "engine/picture_limits.h"

#include <QImageReader>

#include <algorithm>

namespace engine {

namespace {

enum class Kind { Unknown, Bmp, Jpeg, Gif };

Kind sniff(const QString& path) {
    bmp::FileSource file(path);
    char head[4] = {};
    if (!file.read(0, 4, head)) {
        return Kind::Unknown;
    }
    const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
    if (head[0] == 'B' && head[1] == 'M') {
        return Kind::Bmp;
    }
    if (byte(0) == 0xFF && byte(1) == 0xD8 && byte(2) == 0xFF) {
        return Kind::Jpeg;
    }
    if (QByteArrayView(head, 4) == "GIF8") {
        return Kind::Gif;
    }
    return Kind::Unknown;
}

class BmpDecoder : public PictureDecoder {
  public:
    explicit BmpDecoder(const QString& path) : source_(path) {}

    bool open() {
        if (!source_.isOpen()) {
            return false;
        }
        layout_ = bmp::readLayout(source_);
        if (!layout_) {
            return false;
        }
        size_ = QSize(layout_->width, layout_->height);
        return true;
    }

    bool decode(const std::vector<int>& rows, const RowSink& sink) override {
        bmp::RowReader reader(source_, *layout_);
        std::vector<QRgb> rgb(std::size_t(size_.width()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if ((i == 0 || rows[i] != rows[i - 1]) && !reader.rgb(rows[i], rgb.data())) {
                return false;
            }
            sink(int(i), rgb.data());
        }
        return true;
    }

  private:
    bmp::FileSource source_;
    std::optional<bmp::Layout> layout_;
};

// GIF through Qt's reader: its first frame, decoded whole.
class GifDecoder : public PictureDecoder {
  public:
    explicit GifDecoder(const QString& path) : reader_(path, "gif") {
        reader_.setAutoTransform(false);
    }

    bool open() {
        size_ = reader_.size();
        const qint64 pixels = qint64(size_.width()) * size_.height();
        return size_.isValid() && pixels > 0 && pixels <= kMaxPicturePixels;
    }

    bool decode(const std::vector<int>& rows, const RowSink& sink) override {
        QImage frame = reader_.read().convertToFormat(QImage::Format_RGB32);
        if (frame.isNull()) {
            return false;
        }
        if (frame.size() != size_) {
            // The size the header promised is the size the caller planned for.
            QImage canvas(size_, QImage::Format_RGB32);
            canvas.fill(qRgb(0, 0, 0));
            for (int y = 0; y < std::min(size_.height(), frame.height()); ++y) {
                std::copy_n(frame.constScanLine(y), 4 * std::min(size_.width(), frame.width()),
                            canvas.scanLine(y));
            }
            frame = canvas;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] < 0 || rows[i] >= frame.height()) {
                return false;
            }
            sink(int(i), reinterpret_cast<const QRgb*>(frame.constScanLine(rows[i])));
        }
        return true;
    }

  private:
    QImageReader reader_;
};

// Qt refuses images over 256 MiB by default; ours may reach kMaxPicturePixels.
void raiseQtAllocationLimit() {
    static const bool raised = [] {
        QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)));
        return true;
    }();
    (void)raised;
}

template <class Decoder>
std::unique_ptr<PictureDecoder> opened(std::unique_ptr<Decoder> decoder) {
    if (!decoder->open()) {
        return nullptr;
    }
    return decoder;
}

}  // namespace

std::unique_ptr<PictureDecoder> openPicture(const QString& path) {
    switch (sniff(path)) {
        case Kind::Bmp:
            return opened(std::make_unique<BmpDecoder>(path));
        case Kind::Jpeg:
            return openJpeg(path);
        case Kind::Gif:
            raiseQtAllocationLimit();
            return opened(std::make_unique<GifDecoder>(path));
        case Kind::Unknown:
            break;
    }
    return nullptr;
}

}  // namespace engine
