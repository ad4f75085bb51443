// SPDX-License-Identifier: MIT
#include "engine/jpeg_support.h"
#include "engine/orientation.h"
#include "engine/picture_decoder.h"
#include "engine/picture_limits.h"

#include <cstdlib>
#include <cstring>

#include <jerror.h>

#include <algorithm>
#include <bit>
#include <cctype>

namespace engine {

namespace {

constexpr int kTooManyScans = -1;  // an error code of ours, beside libjpeg's

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
    // The EXIF segment, for its orientation tag; libjpeg bounds it to the segment's length.
    jpeg_save_markers(codec, JPEG_APP0 + 1, 0xFFFF);
    // The ICC profile, in up to 255 APP2 segments of 64 KiB each.
    jpeg_save_markers(codec, JPEG_APP0 + 2, 0xFFFF);
    return jpeg_read_header(codec, TRUE) == JPEG_HEADER_OK;
}

std::string reasonOf(const jpeg::ErrorHandler& handler) {
    const int parameter = handler.manager.msg_parm.i[0];
    switch (handler.code) {
        case kTooManyScans:
            return "unsupported JPEG: more than " + std::to_string(kMaxJpegScans) + " scans";
        case JERR_BAD_PRECISION:
            return "unsupported JPEG: " + std::to_string(parameter) + "-bit samples";
        case JERR_SOF_UNSUPPORTED:
            switch (parameter) {
                case 0xC3:
                case 0xCB:
                    return "unsupported JPEG: lossless";
                case 0xC5:
                case 0xC6:
                case 0xC7:
                case 0xCD:
                case 0xCE:
                case 0xCF:
                    return "unsupported JPEG: hierarchical";
                default:
                    return "unsupported JPEG: frame type " + std::to_string(parameter);
            }
        case JERR_OUT_OF_MEMORY:
        case JERR_NO_BACKING_STORE:
            return "not enough memory to decode the JPEG";
        default:
            break;
    }
    std::string message = handler.message;
    if (message.empty()) {
        return "damaged JPEG";
    }
    // libjpeg's texts start a sentence; here they follow a colon ("JPEG" stays as it is).
    if (message.size() > 1 && !std::isupper(static_cast<unsigned char>(message[1]))) {
        message[0] = char(std::tolower(static_cast<unsigned char>(message[0])));
    }
    return "damaged JPEG: " + message;
}

// The scans of a file, counted from its markers without decoding anything: a file with more
// than `limit` is refused before its coefficients are allocated or a single scan is decoded.
// Stops counting at limit + 1.
int countScans(ByteSource& bytes, int limit) {
    constexpr std::int64_t kChunk = 64 * 1024;
    std::uint8_t chunk[kChunk];
    std::int64_t chunkStart = -kChunk;
    const std::int64_t size = bytes.size();
    const auto at = [&](std::int64_t offset) -> int {
        if (offset < 0 || offset >= size) {
            return -1;
        }
        if (offset < chunkStart || offset >= chunkStart + kChunk) {
            chunkStart = offset;
            if (!bytes.read(offset, std::min(kChunk, size - offset), chunk)) {
                return -1;
            }
        }
        return chunk[offset - chunkStart];
    };
    int scans = 0;
    std::int64_t offset = 2;  // after the start of image
    while (scans <= limit) {
        if (at(offset) != 0xFF) {
            return scans;  // damage: libjpeg sees to it
        }
        int marker = at(offset + 1);
        while (marker == 0xFF) {  // fill bytes
            marker = at(++offset + 1);
        }
        offset += 2;
        if (marker < 0 || marker == JPEG_EOI) {
            return scans;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            continue;  // no length
        }
        const int high = at(offset);
        const int low = at(offset + 1);
        if (high < 0 || low < 0) {
            return scans;
        }
        offset += (high << 8) | low;
        if (marker != 0xDA) {
            continue;
        }
        ++scans;
        // The entropy-coded data runs to the next marker that is neither a stuffed zero nor a
        // restart.
        for (;;) {
            const int value = at(offset);
            if (value < 0) {
                return scans;
            }
            if (value == 0xFF) {
                const int next = at(offset + 1);
                if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) {
                    break;
                }
            }
            ++offset;
        }
    }
    return scans;
}

void watchScans(j_common_ptr common) {
    const auto* codec = reinterpret_cast<j_decompress_ptr>(common);
    if (codec->input_scan_number > kMaxJpegScans) {
        jpeg::fail(common, kTooManyScans);
    }
}

// The bytes of the whole-picture coefficient buffer libjpeg makes for a multi-scan file.
std::int64_t coefficientBytes(const jpeg_decompress_struct& codec) {
    std::int64_t bytes = 0;
    for (int i = 0; i < codec.num_components; ++i) {
        const jpeg_component_info& c = codec.comp_info[i];
        const auto roundUp = [](std::int64_t value, std::int64_t step) {
            return (value + step - 1) / step * step;
        };
        bytes += roundUp(c.width_in_blocks, c.h_samp_factor) *
                 roundUp(c.height_in_blocks, c.v_samp_factor) * std::int64_t(sizeof(JBLOCK));
    }
    return bytes;
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
    const std::vector<int>* columns;  // null: whole rows
    const RowSink* sink;
    Rgb* rgb;       // one output row
    JSAMPLE* cmyk;  // one CMYK row when the file is CMYK
    Rgb* sampled;   // the row's sampled columns
    jpeg_progress_mgr* progress;
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
    codec->progress = job->progress;
    jpeg_start_decompress(codec);
    // Rows not asked for are skipped. A multi-scan file has read all its scans by now, so its
    // skipped rows cost nothing more; a single-scan one still entropy-decodes them.
    JSAMPROW out = cmyk ? job->cmyk : reinterpret_cast<JSAMPROW>(job->rgb);
    const std::vector<int>& rows = *job->rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto wanted = JDIMENSION(rows[i]);
        if (i == 0 || rows[i] != rows[i - 1]) {
            if (codec->output_scanline < wanted) {
                jpeg_skip_scanlines(codec, wanted - codec->output_scanline);
            }
            while (codec->output_scanline <= wanted) {
                if (jpeg_read_scanlines(codec, &out, 1) != 1) {
                    return false;
                }
            }
            if (job->columns != nullptr) {
                const std::vector<int>& columns = *job->columns;
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    const auto x = std::size_t(columns[c]);
                    job->sampled[c] =
                        cmyk ? fromCmyk(job->cmyk + 4 * x, codec->saw_Adobe_marker) : job->rgb[x];
                }
            } else if (cmyk) {
                for (JDIMENSION x = 0; x < codec->output_width; ++x) {
                    job->rgb[x] = fromCmyk(job->cmyk + 4 * x, codec->saw_Adobe_marker);
                }
            }
        }
        (*job->sink)(int(i), job->columns != nullptr ? job->sampled : job->rgb);
    }
    return true;
}

// What libjpeg allocates besides a multi-scan file's coefficients: row buffers, tables.
constexpr std::int64_t kWorkingSlack = 32 * 1024 * 1024;

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

    bool open(std::string* error) {
        const auto refuse = [&](std::string why) {
            *error = std::move(why);
            return false;
        };
        if (!readHeader(&codec_, &handler_, source_.get())) {
            return refuse(reasonOf(handler_));
        }
        const std::int64_t pixels = std::int64_t(codec_.image_width) * codec_.image_height;
        if (pixels <= 0) {
            return refuse("damaged JPEG: no picture size");
        }
        if (pixels > kMaxPicturePixels) {
            return refuse(tooLarge(codec_.image_width, codec_.image_height));
        }
        size_ = Size(int(codec_.image_width), int(codec_.image_height));
        for (jpeg_saved_marker_ptr marker = codec_.marker_list; marker != nullptr;
             marker = marker->next) {
            if (marker->marker == JPEG_APP0 + 1 && marker->data_length >= 6 &&
                std::memcmp(marker->data, "Exif\0\0", 6) == 0) {
                orientation_ = exifOrientation(marker->data, marker->data_length);
                break;
            }
        }
        JOCTET* profile = nullptr;
        unsigned int profileLength = 0;
        // Incomplete or inconsistent segments give no profile (the picture is taken as sRGB).
        if (jpeg_read_icc_profile(&codec_, &profile, &profileLength) && profile != nullptr) {
            colourProfile_.assign(profile, profile + profileLength);
        }
        std::free(profile);
        return true;
    }

    // Every column of a row comes out of the decoder anyway.
    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (!startSingleDecode(rows, columns)) {
            return false;
        }
        // A multi-scan file is read whole into a buffer of its coefficients before the first
        // row comes out: its scans are counted and its buffer reserved first.
        MemoryReservation coefficients;
        if (jpeg_has_multiple_scans(&codec_)) {
            if (countScans(*bytes_, kMaxJpegScans) > kMaxJpegScans) {
                handler_.code = kTooManyScans;
                return fail(reasonOf(handler_));
            }
            const std::int64_t needed = coefficientBytes(codec_);
            coefficients = MemoryReservation(needed);
            if (!coefficients.isHeld()) {
                return fail(tooLarge(size_.width(), size_.height()) +
                            " (a multi-scan JPEG of that size needs " +
                            std::to_string((needed + (1 << 20) - 1) >> 20) + " MiB)");
            }
            // libjpeg's own check, should the estimate ever fall short: the buffer it cannot
            // hold in memory makes it fail rather than take more.
            codec_.mem->max_memory_to_use = long(needed + kWorkingSlack);
        } else {
            codec_.mem->max_memory_to_use = long(kWorkingSlack);
        }
        const std::size_t width = std::size_t(size_.width());
        std::vector<Rgb> rgb(width);
        std::vector<JSAMPLE> cmyk(isCmyk(codec_) ? 4 * width : 0);
        std::vector<Rgb> sampled(columns != nullptr ? columns->size() : 0);
        jpeg_progress_mgr progress{};
        progress.progress_monitor = watchScans;
        DecodeJob job{&rows, columns, &sink, rgb.data(), cmyk.data(), sampled.data(), &progress};
        const bool decoded = decodeRows(&codec_, &handler_, &job);
        codec_.progress = nullptr;
        return decoded || fail(reasonOf(handler_));
    }

  private:
    std::unique_ptr<ByteSource> bytes_;
    std::unique_ptr<Source> source_;
    jpeg::ErrorHandler handler_{};
    jpeg_decompress_struct codec_{};
};

}  // namespace

std::unique_ptr<PictureDecoder> openJpeg(std::unique_ptr<ByteSource> source, std::string* error) {
    return opened(std::make_unique<JpegDecoder>(std::move(source)), error);
}

}  // namespace engine
