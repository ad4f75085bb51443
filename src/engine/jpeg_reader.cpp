// SPDX-License-Identifier: MIT
#include "engine/jpeg_support.h"
#include "engine/picture_decoder.h"
#include "engine/picture_limits.h"

#include <jerror.h>

#include <algorithm>
#include <bit>

namespace engine {

namespace {

// Feeds libjpeg from a ByteSource in large reads (its stdio source reads 4 KiB at a time).
struct Source {
    jpeg_source_mgr manager;
    ByteSource* bytes;
    std::int64_t position;
    JOCTET buffer[64 * 1024];
};

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillBuffer(j_decompress_ptr codec) {
    auto* source = reinterpret_cast<Source*>(codec->src);
    const std::int64_t length = std::min<std::int64_t>(std::int64_t(sizeof source->buffer),
                                                       source->bytes->size() - source->position);
    source->manager.next_input_byte = source->buffer;
    if (length <= 0 || !source->bytes->read(source->position, length, source->buffer)) {
        // A cut file ends in an end-of-image marker, as with libjpeg's own sources: what was
        // there decodes, the rest comes out grey.
        WARNMS(codec, JWRN_JPEG_EOF);
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        source->manager.bytes_in_buffer = 2;
        return TRUE;
    }
    source->position += length;
    source->manager.bytes_in_buffer = std::size_t(length);
    return TRUE;
}

void skipInput(j_decompress_ptr codec, long count) {
    auto* source = reinterpret_cast<Source*>(codec->src);
    if (count <= 0) {
        return;
    }
    if (std::size_t(count) <= source->manager.bytes_in_buffer) {
        source->manager.next_input_byte += count;
        source->manager.bytes_in_buffer -= std::size_t(count);
        return;
    }
    // Past the buffer: the next fill reads from there.
    source->position =
        std::min(source->bytes->size(),
                 source->position + count - std::int64_t(source->manager.bytes_in_buffer));
    source->manager.bytes_in_buffer = 0;
}

// Plain data only on the frames below: see ErrorHandler.
bool readHeader(jpeg_decompress_struct* codec, jpeg::ErrorHandler* handler, Source* source) {
    if (setjmp(handler->jump)) {
        return false;
    }
    jpeg_create_decompress(codec);
    source->manager.init_source = initSource;
    source->manager.fill_input_buffer = fillBuffer;
    source->manager.skip_input_data = skipInput;
    source->manager.resync_to_restart = jpeg_resync_to_restart;
    source->manager.term_source = termSource;
    source->manager.bytes_in_buffer = 0;
    source->manager.next_input_byte = nullptr;
    codec->src = &source->manager;
    return jpeg_read_header(codec, TRUE) == JPEG_HEADER_OK;
}

Rgb fromCmyk(const JSAMPLE* p, bool inverted) {
    // Adobe writes CMYK inverted (0 = full ink), which is what most CMYK files hold.
    const int c = inverted ? p[0] : 255 - p[0];
    const int m = inverted ? p[1] : 255 - p[1];
    const int y = inverted ? p[2] : 255 - p[2];
    const int k = inverted ? p[3] : 255 - p[3];
    return rgb(c * k / 255, m * k / 255, y * k / 255);
}

struct DecodeJob {
    const std::vector<int>* rows;
    const RowSink* sink;
    Rgb* rgb;       // one output row
    JSAMPLE* cmyk;  // one CMYK row when the file is CMYK
};

// Four-channel files come out as CMYK and are turned into RGB here.
bool isCmyk(const jpeg_decompress_struct& codec) {
    return codec.jpeg_color_space == JCS_CMYK || codec.jpeg_color_space == JCS_YCCK;
}

bool decodeRows(jpeg_decompress_struct* codec, jpeg::ErrorHandler* handler, DecodeJob* job) {
    if (setjmp(handler->jump)) {
        return false;
    }
    const bool cmyk = isCmyk(*codec);
    // 0xFFRRGGBB words: B, G, R, A in memory on a little-endian machine.
    const J_COLOR_SPACE rgb32 =
        std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    codec->out_color_space = cmyk ? JCS_CMYK : rgb32;
    codec->dct_method = JDCT_ISLOW;
    codec->do_fancy_upsampling = TRUE;
    jpeg_start_decompress(codec);
    // Progressive files decode every row: skipping gains little once all scans are read.
    const bool canSkip = !jpeg_has_multiple_scans(codec);
    JSAMPROW out = cmyk ? job->cmyk : reinterpret_cast<JSAMPROW>(job->rgb);
    const std::vector<int>& rows = *job->rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto wanted = JDIMENSION(rows[i]);
        if (i == 0 || rows[i] != rows[i - 1]) {
            if (canSkip && codec->output_scanline < wanted) {
                jpeg_skip_scanlines(codec, wanted - codec->output_scanline);
            }
            while (codec->output_scanline <= wanted) {
                if (jpeg_read_scanlines(codec, &out, 1) != 1) {
                    return false;
                }
            }
            if (cmyk) {
                for (JDIMENSION x = 0; x < codec->output_width; ++x) {
                    job->rgb[x] = fromCmyk(job->cmyk + 4 * x, codec->saw_Adobe_marker);
                }
            }
        }
        (*job->sink)(int(i), job->rgb);
    }
    return true;
}

class JpegDecoder : public PictureDecoder {
  public:
    explicit JpegDecoder(std::unique_ptr<ByteSource> bytes)
        : bytes_(std::move(bytes)), source_(std::make_unique<Source>()) {
        codec_.err = jpeg::installErrorHandler(handler_);
        source_->bytes = bytes_.get();
        source_->position = 0;
    }
    ~JpegDecoder() override { jpeg_destroy_decompress(&codec_); }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    bool open() {
        if (!readHeader(&codec_, &handler_, source_.get())) {
            return false;
        }
        const std::int64_t pixels = std::int64_t(codec_.image_width) * codec_.image_height;
        if (pixels <= 0 || pixels > kMaxPicturePixels) {
            return false;
        }
        size_ = Size(int(codec_.image_width), int(codec_.image_height));
        return true;
    }

    // Every column of a row comes out of the decoder anyway.
    bool decode(const std::vector<int>& rows, const std::vector<int>* /*columns*/,
                const RowSink& sink) override {
        if (decoded_) {
            return false;
        }
        decoded_ = true;
        std::vector<Rgb> rgb(std::size_t(size_.width()));
        std::vector<JSAMPLE> cmyk(isCmyk(codec_) ? 4 * std::size_t(size_.width()) : 0);
        DecodeJob job{&rows, &sink, rgb.data(), cmyk.data()};
        for (int row : rows) {
            if (row < 0 || row >= size_.height()) {
                return false;
            }
        }
        return decodeRows(&codec_, &handler_, &job);
    }

  private:
    std::unique_ptr<ByteSource> bytes_;
    std::unique_ptr<Source> source_;
    jpeg::ErrorHandler handler_{};
    jpeg_decompress_struct codec_{};
    bool decoded_ = false;
};

}  // namespace

std::unique_ptr<PictureDecoder> openJpeg(std::unique_ptr<ByteSource> source) {
    auto decoder = std::make_unique<JpegDecoder>(std::move(source));
    if (!decoder->open()) {
        return nullptr;
    }
    return decoder;
}

}  // namespace engine
