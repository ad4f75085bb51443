// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the readers that take files from outside: the BMP side of the
// imaging adaptor the way BmpToJpg drives it, the BMP row reader the picture loader uses, the
// GIF reader, and the picture loader's own road (recognising the kind, then a thumbnail's
// rows and columns, JPEG included). Any crash, overflow or leak is a fault.
#include "engine/bmp_reader.h"
#include "engine/gif_reader.h"
#include "engine/imaging.h"
#include "engine/picture_decoder.h"

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
    if (allocimage(image, header.biWidth, header.biHeight, bits) == kOk &&
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

    // The loader's path: every row as RGB, then a few rows again out of order, and the
    // thumbnail's path: a few columns of each row.
    if (const auto layout = engine::bmp::readLayout(source)) {
        engine::bmp::RowReader reader(source, *layout);
        std::vector<engine::Rgb> row(std::size_t(layout->width));
        for (int y = 0; y < layout->height; ++y) {
            reader.rgb(y, row.data());
        }
        reader.rgb(0, row.data());
        reader.rgb(layout->height - 1, row.data());
        reader.rgb(layout->height, row.data());
        const std::vector<int> columns = {0, layout->width / 2, layout->width - 1};
        reader.rgb(layout->height / 2, row.data(), &columns);
    }
}

void readGif(engine::ByteSource& source) {
    engine::gif::FirstFrame frame(source);
    if (!frame.readHeaders() || !frame.decode()) {
        return;
    }
    const int height = frame.size().height();
    std::vector<engine::Rgb> row(std::size_t(frame.size().width()));
    for (const int y : {0, height / 2, height - 1}) {
        frame.row(y, row.data());
    }
}

void readThumbnailRows(const std::uint8_t* data, std::size_t size) {
    const auto decoder =
        engine::openPicture(std::make_unique<engine::MemorySource>(std::span(data, size)));
    // Large pictures decode as small ones do, only slower: the fuzzer's time goes further
    // on many small inputs.
    if (!decoder || std::int64_t(decoder->size().width()) * decoder->size().height() > 4'000'000) {
        return;
    }
    const int width = decoder->size().width();
    const int height = decoder->size().height();
    const std::vector<int> rows = {0, height / 2, height / 2, height - 1};
    const std::vector<int> columns = {0, width / 3, width - 1};
    decoder->decode(rows, &columns, [](int, const engine::Rgb*) {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::MemorySource source(std::span(data, size));
    readBmp(source);
    readGif(source);
    readThumbnailRows(data, size);
    return 0;
}
