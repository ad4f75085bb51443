// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the readers that take files from outside (BMP, JPEG, GIF, PNG,
// WebP): the BMP side of the imaging adaptor the way BmpToJpg drives it, and the road every
// picture takes in both programs: recognised by its content, opened, then its thumbnail made
// by the real sampler from the rows and columns it takes (readThumbnail), and for small
// pictures the whole picture the window loads. Large claimed sizes go through as they are: the
// decoders' own bounds (the pixel limit, the scan limit, the decoding budget) must keep them
// cheap. Any crash, overflow, leak, hang or memory blow-up is a fault.
#include "engine/colour_profile.h"
#include "engine/orientation.h"
#include "engine/picture_decoder.h"
#include "engine/picture_file.h"
#include "engine/qt/imaging.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace engine::imaging;

namespace {

void readBmp(engine::ByteSource& source) {
    BitmapInfoHeader header;
    bmpinfo(source, header);
    const int bits = header.biBitCount >= 16 ? 24 : header.biBitCount;
    ImageDescriptor image;
    // The adaptor holds a whole picture: only modest ones, the canvas bitmaps it is used on.
    if (std::int64_t(header.biWidth) * header.biHeight <= 4'000'000 &&
        allocimage(image, header.biWidth, header.biHeight, bits) == kOk &&
        loadbmp(source, image) == kOk && bits == 1) {
        ImageDescriptor image8;
        if (allocimage(image8, header.biWidth, header.biHeight, 8) == kOk) {
            convert1bitto8bit(image, image8);
            copyimgdes(image8, image);
        }
    }
    freeimage(image);

    // A buffer that does not come from the file's own header.
    ImageDescriptor fixed;
    if (allocimage(fixed, 16, 16, 24) == kOk) {
        loadbmp(source, fixed);
    }
}

std::unique_ptr<engine::PictureDecoder> open(const std::uint8_t* data, std::size_t size) {
    std::string error;
    auto decoder =
        engine::openPicture(std::make_unique<engine::MemorySource>(std::span(data, size)), &error);
    if (!decoder && error.empty()) {
        __builtin_trap();  // every refusal says why
    }
    return decoder;
}

void readPicture(const std::uint8_t* data, std::size_t size) {
    // The size a thumbnail is made at comes from the last byte: the defaults, or small ones.
    const int call = size > 0 ? data[size - 1] : 0;
    const int callWidth = call < 128 ? 112 : 3 + call % 40;
    const int callHeight = call < 128 ? 132 : 3 + call / 4 % 40;
    if (const auto decoder = open(data, size)) {
        const engine::RgbImage thumbnail = engine::readThumbnail(*decoder, callWidth, callHeight);
        if (thumbnail.isNull() && decoder->error().empty()) {
            __builtin_trap();
        }
    }
    // Stood upright by its EXIF tag and fitted into the box, as corvel-thumb makes it: with its
    // transparency, converted to sRGB, then laid over a background.
    if (const auto decoder = open(data, size)) {
        decoder->keepTransparency(true);
        const int orientation = decoder->orientation();
        const engine::ThumbnailPlan plan =
            engine::planThumbnail(engine::uprightSize(decoder->size(), orientation),
                                  {callWidth - 2, callHeight - 2}, engine::FitMode::Fill, false);
        if (plan.isValid()) {
            engine::RgbImage thumbnail = engine::readThumbnail(*decoder, plan, orientation);
            engine::convertToSrgb(thumbnail, decoder->colourProfile());
            engine::flatten(thumbnail, engine::rgb(255, 255, 255));
        }
    }
    // The window's whole picture, where it stays small.
    if (const auto decoder = open(data, size)) {
        const engine::Size whole = decoder->size();
        if (std::int64_t(whole.width()) * whole.height() <= 1'000'000) {
            engine::RgbImage picture(whole.width(), whole.height());
            if (!picture.isNull()) {
                engine::decodeWhole(*decoder, picture.row(0), whole.width());
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::MemorySource source(std::span(data, size));
    readBmp(source);
    readPicture(data, size);
    return 0;
}
