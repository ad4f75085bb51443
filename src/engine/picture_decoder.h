// SPDX-License-Identifier: MIT
#pragma once

#include "engine/byte_source.h"
#include "engine/rgb_image.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace engine {

// Receives decoded rows: `index` is the position in the list of rows asked for, `row` the
// source row, valid only during the call.
using RowSink = std::function<void(int index, const Rgb* row)>;

// A picture file opened for decoding: its header has been read, its pixels not yet. The same
// row comes out with the same pixels whichever other rows are asked for, so a thumbnail made
// from a few rows equals one sampled from the whole picture.
class PictureDecoder {
  public:
    virtual ~PictureDecoder() = default;
    Size size() const { return size_; }
    // Decodes the source rows `rows` (increasing; repeats allowed), once per decoder. Given
    // `columns`, a decoder may set only those pixels of each row. False when the picture
    // turns out unreadable or a row or column is outside it.
    virtual bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                        const RowSink& sink) = 0;

  protected:
    Size size_;
};

// The decoder for a BMP, JPEG or GIF file, chosen by its content; null when the file cannot
// be opened, is of another kind, or its header is bad or claims too many pixels.
// Decoders share no state: several may run on different threads at once.
std::unique_ptr<PictureDecoder> openPicture(const std::string& path);
// The same for bytes from elsewhere; the decoder keeps the source.
std::unique_ptr<PictureDecoder> openPicture(std::unique_ptr<ByteSource> source);

// The JPEG decoder (jpeg_reader.cpp): accurate integer DCT, fancy upsampling. Baseline files
// skip the rows not asked for; progressive ones decode every row.
std::unique_ptr<PictureDecoder> openJpeg(std::unique_ptr<ByteSource> source);

}  // namespace engine
