// SPDX-License-Identifier: MIT
#include "engine/orientation.h"
#include "engine/picture_decoder.h"
#include "engine/picture_limits.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <memory>
#include <new>

namespace engine {

namespace {

// The largest ancillary chunk libpng may hold (an iCCP profile, decompressed, is the big one):
// the most a JPEG can carry, too.
constexpr png_alloc_size_t kMaxChunkBytes = 16 * 1024 * 1024;

// What libpng's callbacks share with us. Plain data: libpng leaves its calls by longjmp.
struct PngInput {
    ByteSource* bytes;
    std::int64_t position;
    char message[200];
};

void readData(png_structp png, png_bytep into, std::size_t length) {
    auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (std::int64_t(length) > input->bytes->size() - input->position ||
        !input->bytes->read(input->position, std::int64_t(length), into)) {
        png_error(png, "cut short");
    }
    input->position += std::int64_t(length);
}

void onError(png_structp png, png_const_charp message) {
    auto* input = static_cast<PngInput*>(png_get_error_ptr(png));
    std::strncpy(input->message, message != nullptr ? message : "", sizeof input->message - 1);
    png_longjmp(png, 1);
}

// Warnings are about chunks libpng has already passed over (a bad profile, a wrong CRC in an
// ancillary chunk): the picture is read without them.
void onWarning(png_structp, png_const_charp) {}

std::string reasonOf(const PngInput& input) {
    std::string message = input.message;
    if (message.empty()) {
        return "damaged PNG";
    }
    if (message == "Out of memory" || message == "Insufficient memory") {
        return "not enough memory to decode the PNG";
    }
    // libpng's texts start a sentence ("Not a PNG file"); here they follow a colon.
    if (message.size() > 1 && !std::isupper(static_cast<unsigned char>(message[1]))) {
        message[0] = char(std::tolower(static_cast<unsigned char>(message[0])));
    }
    return "damaged PNG: " + message;
}

// The profile of an iCCP chunk: a name, a zero byte, the compression method (0) and the
// profile through zlib. Empty when any of it is wrong or the profile would pass the limit.
std::vector<std::uint8_t> iccProfile(const png_byte* data, std::size_t length) {
    const auto* nameEnd =
        static_cast<const png_byte*>(std::memchr(data, 0, std::min<std::size_t>(length, 80)));
    if (nameEnd == nullptr || nameEnd == data || std::size_t(nameEnd - data) + 2 > length ||
        nameEnd[1] != 0) {
        return {};
    }
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return {};
    }
    stream.next_in = const_cast<png_byte*>(nameEnd + 2);
    stream.avail_in = uInt(length - std::size_t(nameEnd + 2 - data));
    std::vector<std::uint8_t> profile;
    int status = Z_OK;
    while (status == Z_OK && profile.size() < kMaxChunkBytes) {
        const std::size_t done = profile.size();
        profile.resize(std::min<std::size_t>(done + 64 * 1024, kMaxChunkBytes));
        stream.next_out = profile.data() + done;
        stream.avail_out = uInt(profile.size() - done);
        status = inflate(&stream, Z_NO_FLUSH);
        profile.resize(profile.size() - stream.avail_out);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) {
        return {};
    }
    return profile;
}

struct PngHeader {
    png_uint_32 width;
    png_uint_32 height;
    int colourType;
    bool transparent;
};

// Plain data only on the frames below: libpng leaves them by longjmp.
bool readHeader(png_structp png, png_infop info, PngHeader* header) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    // The pixel limit is ours (checked below); libpng's own stops wider than 10^6 on a side.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    // The profile is taken out by us (iccProfile): libpng's own reading of a damaged one can
    // leave its inflater unable to read the pixels that follow.
    static constexpr png_byte kIccp[] = "iCCP";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, kIccp, 1);
    png_read_info(png, info);
    header->width = png_get_image_width(png, info);
    header->height = png_get_image_height(png, info);
    header->colourType = png_get_color_type(png, info);
    header->transparent = (header->colourType & PNG_COLOR_MASK_ALPHA) != 0 ||
                          png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    return true;
}

// Every colour type and depth as 8-bit 0xAARRGGBB words.
bool setTransforms(png_structp png, png_infop info, int* passes) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_expand(png);  // palette, low-depth grey and the transparent colour
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(png);  // B, G, R, A in memory
    } else {
        png_set_swap_alpha(png);  // A, R, G, B
    }
    *passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == png_get_image_width(png, info) * 4;
}

struct RowJob {
    const std::vector<int>* rows;
    const std::vector<int>* columns;  // null: whole rows
    const RowSink* sink;
    Rgb* picture;  // interlaced: the whole picture; else one row
    Rgb* sampled;  // the row as it is handed over
    int width;
    int height;
    int passes;
    bool keepTransparency;
};

void handOver(const RowJob& job, const Rgb* row, std::size_t index) {
    const auto deliver = [&](Rgb pixel) {
        return job.keepTransparency ? pixel : flattened(pixel, kBlack);
    };
    if (job.columns != nullptr) {
        const std::vector<int>& columns = *job.columns;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            job.sampled[c] = deliver(row[columns[c]]);
        }
    } else {
        for (int x = 0; x < job.width; ++x) {
            job.sampled[x] = deliver(row[x]);
        }
    }
    (*job.sink)(int(index), job.sampled);
}

bool readRows(png_structp png, const RowJob* job) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    const std::vector<int>& rows = *job->rows;
    if (rows.empty()) {
        return true;
    }
    if (job->passes > 1) {
        // Each pass adds to the rows of the one before: the whole picture is held.
        for (int pass = 0; pass < job->passes; ++pass) {
            for (int y = 0; y < job->height; ++y) {
                png_read_row(
                    png, reinterpret_cast<png_bytep>(job->picture + std::ptrdiff_t(y) * job->width),
                    nullptr);
            }
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            handOver(*job, job->picture + std::ptrdiff_t(rows[i]) * job->width, i);
        }
        return true;
    }
    // Rows come in order; the ones past the last asked for are never decompressed.
    int next = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        while (next <= rows[i]) {
            png_read_row(png, reinterpret_cast<png_bytep>(job->picture), nullptr);
            ++next;
        }
        handOver(*job, job->picture, i);
    }
    return true;
}

class PngDecoder : public PictureDecoder {
  public:
    explicit PngDecoder(std::unique_ptr<ByteSource> bytes) : bytes_(std::move(bytes)) {
        input_.bytes = bytes_.get();
        input_.position = 0;
        input_.message[0] = '\0';
    }
    ~PngDecoder() override { png_destroy_read_struct(&png_, &info_, nullptr); }
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    bool open(std::string* error) {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &input_, onError, onWarning);
        info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
        if (info_ == nullptr) {
            *error = "not enough memory to decode the PNG";
            return false;
        }
        png_set_read_fn(png_, &input_, readData);
        PngHeader header{};
        if (!readHeader(png_, info_, &header)) {
            *error = reasonOf(input_);
            return false;
        }
        const std::int64_t pixels = std::int64_t(header.width) * header.height;
        if (pixels <= 0) {
            *error = "damaged PNG: no picture size";
            return false;
        }
        if (pixels > kMaxPicturePixels) {
            *error = tooLarge(header.width, header.height);
            return false;
        }
        size_ = Size(int(header.width), int(header.height));
        hasTransparency_ = header.transparent;
        readProfile();
        readOrientation();
        return true;
    }

    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const RowSink& sink) override {
        if (!startSingleDecode(rows, columns)) {
            return false;
        }
        int passes = 1;
        if (!setTransforms(png_, info_, &passes)) {
            return fail(input_.message[0] != '\0' ? reasonOf(input_)
                                                  : "unsupported PNG: unexpected row layout");
        }
        const std::int64_t width = size_.width();
        const std::int64_t held = passes > 1 ? width * size_.height() : width;
        MemoryReservation memory(held * std::int64_t(sizeof(Rgb)));
        if (!memory.isHeld()) {
            return fail(tooLarge(size_.width(), size_.height()) +
                        " (an interlaced PNG of that size needs " +
                        std::to_string((held * 4 + (1 << 20) - 1) >> 20) + " MiB)");
        }
        // Left unset: the decoder writes every pixel before one is handed over, and a bomb
        // that claims a large picture and stops short costs no more than its data.
        std::unique_ptr<Rgb[]> picture;
        std::vector<Rgb> sampled;
        try {
            picture = std::make_unique_for_overwrite<Rgb[]>(std::size_t(held));
            sampled.resize(columns != nullptr ? columns->size() : std::size_t(width));
        } catch (const std::bad_alloc&) {
            return fail("not enough memory to decode the PNG");
        }
        const RowJob job{&rows,         columns,        &sink,  picture.get(),    sampled.data(),
                         size_.width(), size_.height(), passes, keepTransparency_};
        return readRows(png_, &job) || fail(reasonOf(input_));
    }

  private:
    // The first iCCP chunk before the pixels; a damaged one gives none.
    void readProfile() {
        png_unknown_chunkp chunks = nullptr;
        const int count = png_get_unknown_chunks(png_, info_, &chunks);
        for (int i = 0; i < count; ++i) {
            if (std::memcmp(chunks[i].name, "iCCP", 4) == 0) {
                colourProfile_ = iccProfile(chunks[i].data, chunks[i].size);
                return;
            }
        }
    }

    // An eXIf chunk holds the TIFF data of a JPEG's EXIF segment, without its "Exif" header.
    void readOrientation() {
        png_bytep exif = nullptr;
        png_uint_32 length = 0;
        if (png_get_eXIf_1(png_, info_, &length, &exif) != 0 && exif != nullptr) {
            std::vector<std::uint8_t> payload{'E', 'x', 'i', 'f', 0, 0};
            payload.insert(payload.end(), exif, exif + length);
            orientation_ = exifOrientation(payload.data(), payload.size());
        }
    }

    std::unique_ptr<ByteSource> bytes_;
    PngInput input_{};
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace

std::unique_ptr<PictureDecoder> openPng(std::unique_ptr<ByteSource> source, std::string* error) {
    return opened(std::make_unique<PngDecoder>(std::move(source)), error);
}

}  // namespace engine
