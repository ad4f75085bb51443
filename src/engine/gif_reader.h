// SPDX-License-Identifier: MIT
#pragma once

#include "engine/byte_source.h"
#include "engine/picture_decoder.h"
#include "engine/rgb_image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace engine::gif {

// The first frame of a GIF (87a or 89a) on its logical screen. Its pixels take the colours of
// the frame's own table, else of the global one; transparency is not kept, as a thumbnail has
// nothing to show through. Black fills the screen outside the frame, colours missing from
// the table, and pixels the image data stops short of. A file cut off inside the image data,
// or with codes its LZW table cannot have made, is refused.
// Rows are handed over as they are decoded (in the four passes of an interlaced frame), so
// only one row is ever held, whatever the picture's size.
class FirstFrame {
  public:
    explicit FirstFrame(ByteSource& source) : source_(source) {}

    // Reads the headers up to the first frame's image data. False when the file is not a GIF
    // this reader reads, holds no frame, or its screen or frame has more than
    // kMaxPicturePixels pixels: nothing is allocated for a size before it is checked.
    bool readHeaders();
    // The logical screen; a screen of no area takes the frame's size.
    Size size() const { return {screenWidth_, screenHeight_}; }
    // Decodes the frame's image data, once, as PictureDecoder::decode does (rows and columns
    // inside the screen). False when it is damaged or cut off; the rows handed over until
    // then are of no use.
    bool decode(const std::vector<int>& rows, const std::vector<int>* columns, const RowSink& sink);
    // Why readHeaders() or decode() failed, one line.
    const std::string& error() const { return error_; }

  private:
    struct Request;
    bool fail(std::string why);
    int byte();
    bool read(void* into, int length);
    bool skipSubBlocks();
    bool readColourTable(int entries);
    bool decodeImageData(Request& request);
    void handOver(Request& request, int frameRow, const std::uint8_t* indices, int count);

    ByteSource& source_;
    std::int64_t position_ = 0;
    std::array<std::uint8_t, 16 * 1024> buffer_{};
    int buffered_ = 0;
    int next_ = 0;

    int screenWidth_ = 0;
    int screenHeight_ = 0;
    std::array<Rgb, 256> colours_{};
    // The frame: its place on the screen and its size; only the part on the screen is kept.
    int frameLeft_ = 0;
    int frameTop_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    bool interlaced_ = false;
    int minimumCodeSize_ = 0;
    int shownWidth_ = 0;
    int shownHeight_ = 0;
    std::string error_;
    enum class State { Fresh, Headers, Decoded, Failed } state_ = State::Fresh;
};

}  // namespace engine::gif
