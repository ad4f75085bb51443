// SPDX-License-Identifier: MIT
#include "engine/jpeg_encoder.h"

#include "engine/file_write.h"
#include "engine/jpeg_support.h"

#include <bit>
#include <memory>

namespace engine {

namespace {

// Collects the compressed bytes through a fixed buffer.
struct Destination {
    jpeg_destination_mgr manager;
    Bytes* bytes;
    JOCTET buffer[16 * 1024];
};

void initDestination(j_compress_ptr codec) {
    auto* dest = reinterpret_cast<Destination*>(codec->dest);
    dest->manager.next_output_byte = dest->buffer;
    dest->manager.free_in_buffer = sizeof dest->buffer;
}

void flush(Destination* dest, std::int64_t length) {
    dest->bytes->insert(dest->bytes->end(), dest->buffer, dest->buffer + length);
}

boolean emptyBuffer(j_compress_ptr codec) {
    auto* dest = reinterpret_cast<Destination*>(codec->dest);
    flush(dest, sizeof dest->buffer);
    initDestination(codec);
    return TRUE;
}

void termDestination(j_compress_ptr codec) {
    auto* dest = reinterpret_cast<Destination*>(codec->dest);
    flush(dest, std::int64_t(sizeof dest->buffer - dest->manager.free_in_buffer));
}

// Only plain data on this frame: see ErrorHandler.
bool compress(jpeg_compress_struct* codec, jpeg::ErrorHandler* handler, Destination* dest,
              const RgbView* rgb, int quality, const Bytes* profile) {
    if (setjmp(handler->jump)) {
        return false;
    }
    jpeg_create_compress(codec);
    codec->dest = &dest->manager;
    codec->image_width = JDIMENSION(rgb->width);
    codec->image_height = JDIMENSION(rgb->height);
    codec->input_components = 4;
    // 0xFFRRGGBB words: B, G, R, X in memory on a little-endian machine.
    codec->in_color_space =
        std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(codec);
    jpeg_set_quality(codec, quality, TRUE);
    codec->dct_method = JDCT_ISLOW;
    // Thumbnails are small: halving their colour resolution shows.
    for (int i = 0; i < codec->num_components; ++i) {
        codec->comp_info[i].h_samp_factor = 1;
        codec->comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(codec, TRUE);
    if (profile != nullptr && !profile->empty()) {
        jpeg_write_icc_profile(codec, profile->data(), unsigned(profile->size()));
    }
    while (codec->next_scanline < codec->image_height) {
        // The encoder only reads the row.
        auto* row =
            reinterpret_cast<JSAMPROW>(const_cast<Rgb*>(rgb->row(int(codec->next_scanline))));
        jpeg_write_scanlines(codec, &row, 1);
    }
    jpeg_finish_compress(codec);
    return true;
}

}  // namespace

Bytes encodeJpeg(const RgbView& image, int quality, const Bytes* profile) {
    if (image.isNull() || quality < 1 || quality > 100) {
        return {};
    }
    jpeg_compress_struct codec{};
    jpeg::ErrorHandler handler{};
    codec.err = jpeg::installErrorHandler(handler);
    auto dest = std::make_unique<Destination>();
    dest->manager.init_destination = initDestination;
    dest->manager.empty_output_buffer = emptyBuffer;
    dest->manager.term_destination = termDestination;
    Bytes bytes;
    dest->bytes = &bytes;
    const bool compressed = compress(&codec, &handler, dest.get(), &image, quality, profile);
    jpeg_destroy_compress(&codec);
    return compressed ? bytes : Bytes();
}

bool writeJpeg(const RgbView& image, const std::string& path, int quality) {
    const Bytes bytes = encodeJpeg(image, quality);
    return !bytes.empty() && writeFile(path, bytes).written();
}

}  // namespace engine
