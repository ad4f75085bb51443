// SPDX-License-Identifier: MIT
#include "engine/gif_reader.h"

#include "engine/picture_limits.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace engine::gif {

namespace {

constexpr int kExtension = 0x21;
constexpr int kImageDescriptor = 0x2C;
constexpr int kTableFlag = 0x80;
constexpr int kInterlaceFlag = 0x40;
constexpr int kMaxCodeSize = 12;
constexpr int kMaxCodes = 1 << kMaxCodeSize;

// The frame row each decoded row goes to: in order, or in the four passes of an interlaced
// frame (every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1).
class RowOrder {
  public:
    RowOrder(int height, bool interlaced) : height_(height), interlaced_(interlaced) {}
    int row() const { return row_; }
    void advance() {
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        if (!interlaced_) {
            ++row_;
            return;
        }
        row_ += kStep[pass_];
        while (row_ >= height_ && pass_ < 3) {
            row_ = kStart[++pass_];
        }
    }

  private:
    int height_;
    bool interlaced_;
    int pass_ = 0;
    int row_ = 0;
};

// The LZW string table: each code is a shorter code's string and one more index.
struct CodeTable {
    std::uint16_t prefix[kMaxCodes];
    std::uint8_t suffix[kMaxCodes];
    std::uint8_t first[kMaxCodes];  // the first index of the code's string
    std::uint8_t string[kMaxCodes + 1];
};

}  // namespace

int FirstFrame::byte() {
    if (next_ == buffered_) {
        const int length =
            int(std::min<std::int64_t>(source_.size() - position_, std::int64_t(buffer_.size())));
        if (length <= 0 || !source_.read(position_, length, buffer_.data())) {
            return -1;
        }
        position_ += length;
        buffered_ = length;
        next_ = 0;
    }
    return buffer_[std::size_t(next_++)];
}

bool FirstFrame::read(void* into, int length) {
    auto* out = static_cast<std::uint8_t*>(into);
    for (int i = 0; i < length; ++i) {
        const int value = byte();
        if (value < 0) {
            return false;
        }
        out[i] = std::uint8_t(value);
    }
    return true;
}

bool FirstFrame::skipSubBlocks() {
    for (int length = byte(); length != 0; length = byte()) {
        if (length < 0) {
            return false;
        }
        for (int i = 0; i < length; ++i) {
            if (byte() < 0) {
                return false;
            }
        }
    }
    return true;
}

bool FirstFrame::readColourTable(int entries) {
    colours_.fill(kBlack);
    for (int i = 0; i < entries; ++i) {
        std::uint8_t c[3];
        if (!read(c, 3)) {
            return false;
        }
        colours_[std::size_t(i)] = rgb(c[0], c[1], c[2]);
    }
    return true;
}

bool FirstFrame::fail(std::string why) {
    error_ = std::move(why);
    state_ = State::Failed;
    return false;
}

bool FirstFrame::readHeaders() {
    if (state_ != State::Fresh) {
        return state_ != State::Failed;
    }
    const std::string cut = "damaged GIF: cut short in the headers";
    std::uint8_t head[13];
    if (!read(head, 6) ||
        (std::memcmp(head, "GIF87a", 6) != 0 && std::memcmp(head, "GIF89a", 6) != 0)) {
        return fail(std::memcmp(head, "GIF", 3) == 0 ? "unsupported GIF version"
                                                     : "not a GIF picture");
    }
    if (!read(head + 6, 7)) {
        return fail(cut);
    }
    screenWidth_ = u16(head + 6);
    screenHeight_ = u16(head + 8);
    if ((head[10] & kTableFlag) && !readColourTable(2 << (head[10] & 7))) {
        return fail(cut);
    }
    // Extensions (transparency, timing, comments, application data) change nothing here.
    int block = byte();
    while (block == kExtension) {
        if (byte() < 0 || !skipSubBlocks()) {
            return fail(cut);
        }
        block = byte();
    }
    std::uint8_t frame[9];
    if (block == ';') {
        return fail("GIF holds no picture");
    }
    if (block < 0) {
        return fail(cut);
    }
    if (block != kImageDescriptor) {
        return fail("damaged GIF: a block of no known kind");
    }
    if (!read(frame, 9)) {
        return fail(cut);
    }
    frameLeft_ = u16(frame);
    frameTop_ = u16(frame + 2);
    frameWidth_ = u16(frame + 4);
    frameHeight_ = u16(frame + 6);
    interlaced_ = (frame[8] & kInterlaceFlag) != 0;
    if ((frame[8] & kTableFlag) && !readColourTable(2 << (frame[8] & 7))) {
        return fail(cut);
    }
    minimumCodeSize_ = byte();
    if (frameWidth_ == 0 || frameHeight_ == 0) {
        return fail("damaged GIF: a frame of no size");
    }
    if (minimumCodeSize_ < 0) {
        return fail(cut);
    }
    if (minimumCodeSize_ < 2 || minimumCodeSize_ > 8) {
        return fail("damaged GIF: LZW code size " + std::to_string(minimumCodeSize_));
    }
    if (screenWidth_ == 0 || screenHeight_ == 0) {
        screenWidth_ = frameWidth_;
        screenHeight_ = frameHeight_;
        frameLeft_ = 0;
        frameTop_ = 0;
    }
    if (std::int64_t(screenWidth_) * screenHeight_ > kMaxPicturePixels) {
        return fail(tooLarge(screenWidth_, screenHeight_));
    }
    if (std::int64_t(frameWidth_) * frameHeight_ > kMaxPicturePixels) {
        return fail(tooLarge(frameWidth_, frameHeight_));
    }
    shownWidth_ = std::clamp(screenWidth_ - frameLeft_, 0, frameWidth_);
    shownHeight_ = std::clamp(screenHeight_ - frameTop_, 0, frameHeight_);
    state_ = State::Headers;
    return true;
}

// What decode() was asked for, and the one row it hands over.
struct FirstFrame::Request {
    const std::vector<int>& rows;
    const std::vector<int>* columns;
    const RowSink& sink;
    std::vector<Rgb> out;
    std::vector<char> given;  // per entry of `rows`: handed over already
};

bool FirstFrame::decode(const std::vector<int>& rows, const std::vector<int>* columns,
                        const RowSink& sink) {
    if (state_ != State::Headers) {
        return state_ == State::Fresh ? fail("no headers read") : false;
    }
    state_ = State::Failed;
    Request request{rows, columns, sink, {}, std::vector<char>(rows.size(), 0)};
    request.out.resize(columns != nullptr ? columns->size() : std::size_t(screenWidth_));
    if (!decodeImageData(request)) {
        return false;
    }
    // Rows off the frame, and those the data stopped short of, are black.
    std::fill(request.out.begin(), request.out.end(), kBlack);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!request.given[i]) {
            sink(int(i), request.out.data());
        }
    }
    state_ = State::Decoded;
    return true;
}

void FirstFrame::handOver(Request& request, int frameRow, const std::uint8_t* indices, int count) {
    if (frameRow >= shownHeight_) {
        return;
    }
    const int y = frameTop_ + frameRow;
    const auto [first, last] = std::equal_range(request.rows.begin(), request.rows.end(), y);
    if (first == last) {
        return;
    }
    const int shown = std::min(count, shownWidth_);
    const auto pixelAt = [&](int x) {
        const int inFrame = x - frameLeft_;
        return inFrame >= 0 && inFrame < shown ? colours_[indices[inFrame]] : kBlack;
    };
    if (request.columns != nullptr) {
        for (std::size_t i = 0; i < request.columns->size(); ++i) {
            request.out[i] = pixelAt((*request.columns)[i]);
        }
    } else {
        for (int x = 0; x < screenWidth_; ++x) {
            request.out[std::size_t(x)] = pixelAt(x);
        }
    }
    for (auto entry = first; entry != last; ++entry) {
        const auto index = std::size_t(entry - request.rows.begin());
        request.given[index] = 1;
        request.sink(int(index), request.out.data());
    }
}

bool FirstFrame::decodeImageData(Request& request) {
    const int clear = 1 << minimumCodeSize_;
    const int end = clear + 1;
    auto table = std::make_unique<CodeTable>();
    for (int i = 0; i < clear; ++i) {
        table->first[i] = std::uint8_t(i);
    }
    std::vector<std::uint8_t> decoded(static_cast<std::size_t>(frameWidth_));  // one frame row
    RowOrder order(frameHeight_, interlaced_);
    int rowFill = 0;
    int rowsDone = 0;

    int codeSize = minimumCodeSize_ + 1;
    int next = end + 1;
    int previous = -1;
    std::uint32_t bits = 0;
    int bitCount = 0;
    int blockLeft = 0;
    while (rowsDone < frameHeight_) {
        bool dataEnded = false;
        while (bitCount < codeSize && !dataEnded) {
            if (blockLeft == 0) {
                blockLeft = byte();
                if (blockLeft < 0) {
                    return fail("damaged GIF: cut short in the picture data");
                }
                dataEnded = blockLeft == 0;
                continue;
            }
            const int value = byte();
            if (value < 0) {
                return fail("damaged GIF: cut short in the picture data");
            }
            --blockLeft;
            bits |= std::uint32_t(value) << bitCount;
            bitCount += 8;
        }
        if (dataEnded) {
            break;  // data that stops short leaves the rest black
        }
        const int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minimumCodeSize_ + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end) {
            break;
        }
        if (code > next || (code == next && previous < 0)) {
            return fail("damaged GIF: a code its LZW table does not hold");
        }
        // The code's string, last index first.
        int length = 0;
        int at = code;
        if (code == next) {
            table->string[length++] = table->first[previous];
            at = previous;
        }
        while (at > end) {
            table->string[length++] = table->suffix[at];
            at = table->prefix[at];
        }
        table->string[length++] = std::uint8_t(at);
        if (previous >= 0 && next < kMaxCodes) {
            table->prefix[next] = std::uint16_t(previous);
            table->suffix[next] = std::uint8_t(at);
            table->first[next] = table->first[previous];
            ++next;
            if (next == (1 << codeSize) && codeSize < kMaxCodeSize) {
                ++codeSize;
            }
        }
        previous = code;
        while (length > 0 && rowsDone < frameHeight_) {
            decoded[std::size_t(rowFill++)] = table->string[--length];
            if (rowFill == frameWidth_) {
                handOver(request, order.row(), decoded.data(), rowFill);
                order.advance();
                rowFill = 0;
                ++rowsDone;
            }
        }
    }
    if (rowsDone < frameHeight_ && rowFill > 0) {
        handOver(request, order.row(), decoded.data(), rowFill);
    }
    return true;
}

}  // namespace engine::gif
