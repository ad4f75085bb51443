// SPDX-License-Identifier: MIT
#pragma once

#include "engine/byte_source.h"
#include "engine/rgb_image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace engine {

// Receives decoded rows: `index` is the position in the list of rows asked for, `row` the
// source row (or its sampled columns), valid only during the call. Rows may come in any order.
using RowSink = std::function<void(int index, const Rgb* row)>;

// A picture file opened for decoding: its header has been read, its pixels not yet. The same
// row comes out with the same pixels whichever other rows are asked for, so a thumbnail made
// from a few rows equals one sampled from the whole picture.
class PictureDecoder {
  public:
    virtual ~PictureDecoder() = default;
    Size size() const { return size_; }
    // The orientation the file is tagged with (orientation.h); kUpright (1) when none.
    int orientation() const { return orientation_; }
    // Whether the file can hold pixels that are not opaque (a PNG or WebP alpha channel, a PNG
    // transparent colour).
    bool hasTransparency() const { return hasTransparency_; }
    // Off (the default): a transparent picture comes out laid over black, as the window shows
    // it, so every pixel is opaque. On: pixels keep their opacity (0xAARRGGBB). Before decode().
    void keepTransparency(bool keep) { keepTransparency_ = keep; }
    // The embedded ICC colour profile (JPEG APP2, PNG iCCP, WebP ICCP); empty when none.
    const std::vector<std::uint8_t>& colourProfile() const { return colourProfile_; }
    // Decodes the source rows `rows` (increasing; repeats allowed), once per decoder. Given
    // `columns`, each row handed over holds only those pixels, in that order (row[i] is
    // column columns[i]); else the whole row. False when the picture turns out unreadable
    // or a row or column is outside it: error() says why.
    virtual bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                        const RowSink& sink) = 0;
    // Why decode() failed, one line ("damaged GIF: cut short in the picture data").
    const std::string& error() const { return error_; }

  protected:
    bool fail(std::string why) {
        error_ = std::move(why);
        return false;
    }
    // Checks `rows` and `columns` against the size.
    bool checkRequest(const std::vector<int>& rows, const std::vector<int>* columns);
    // The start of decode() for a codec that streams its file once: a second call is refused,
    // then the request is checked.
    bool startSingleDecode(const std::vector<int>& rows, const std::vector<int>* columns) {
        if (decodeStarted_) {
            return fail("decoded already");
        }
        decodeStarted_ = true;
        return checkRequest(rows, columns);
    }

    // The pixel as it is handed over: laid over black unless transparency is kept.
    Rgb delivered(Rgb pixel) const { return keepTransparency_ ? pixel : flattened(pixel, kBlack); }

    Size size_;
    int orientation_ = 1;
    bool hasTransparency_ = false;
    bool keepTransparency_ = false;
    std::vector<std::uint8_t> colourProfile_;
    std::string error_;

  private:
    bool decodeStarted_ = false;
};

// A decoder whose open(std::string* error) has read the header; null when that failed, and then
// `error` (when given) says why. For the decoders' own open functions.
template <class Decoder>
std::unique_ptr<PictureDecoder> opened(std::unique_ptr<Decoder> decoder, std::string* error) {
    std::string ignored;
    if (!decoder->open(error != nullptr ? error : &ignored)) {
        return nullptr;
    }
    return decoder;
}

// The decoder for a BMP, JPEG, GIF, PNG or WebP file, chosen by its content; null when the file
// cannot be opened (only regular files are, and opening never waits), is of another kind, or its
// header is bad or claims too many pixels: then `error` (when given) says why, one line.
// Decoders share no state: several may run on different threads at once.
std::unique_ptr<PictureDecoder> openPicture(const std::string& path, std::string* error = nullptr);
// The same for bytes from elsewhere; the decoder keeps the source.
std::unique_ptr<PictureDecoder> openPicture(std::unique_ptr<ByteSource> source,
                                            std::string* error = nullptr);

// The JPEG decoder (jpeg_reader.cpp): accurate integer DCT, fancy upsampling. The rows not
// asked for are skipped (progressive files read all their scans first, within kMaxJpegScans
// scans and a share of the decoding budget (picture_limits.h) for their coefficients).
std::unique_ptr<PictureDecoder> openJpeg(std::unique_ptr<ByteSource> source, std::string* error);

// The PNG decoder (png_reader.cpp), every bit depth and colour type as 8-bit RGBA (16-bit
// samples rounded). A plain file is read row by row up to the last row asked for; an interlaced
// one is read whole, within the decoding budget.
std::unique_ptr<PictureDecoder> openPng(std::unique_ptr<ByteSource> source, std::string* error);

// The WebP decoder (webp_reader.cpp), lossy and lossless, still pictures only. The file and
// its pixels are decoded whole, within the decoding budget.
std::unique_ptr<PictureDecoder> openWebp(std::unique_ptr<ByteSource> source, std::string* error);

}  // namespace engine
