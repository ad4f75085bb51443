// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// The most pixels a picture may have (a little over 100 megapixels, 512 MiB as RGB32). A file
// claiming more is refused from its header, before anything is allocated.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{128} * 1024 * 1024;

// The most memory the large buffers of decoding may hold at once, in the whole process: the
// window's whole picture, the coefficients of a progressive (multi-scan) JPEG. Several
// pictures decoded at once share it (MemoryReservation), so running more of them never
// multiplies it. A machine with less than twice this memory gets half of what it has.
inline constexpr std::int64_t kMaxDecodeBytes = std::int64_t{512} * 1024 * 1024;

// The most scans a JPEG may have. Encoders write about ten to a progressive file; a scan costs
// a pass over the whole picture, so a file with thousands of them takes minutes for nothing.
inline constexpr int kMaxJpegScans = 100;

// "picture too large: W x H", the reason a picture is refused for its size.
std::string tooLarge(std::int64_t width, std::int64_t height);

// A share of the decoding budget, held for as long as the object lives.
class MemoryReservation {
  public:
    MemoryReservation() = default;
    // Reserves `bytes`, waiting while other threads hold too much of the budget. Fails at once
    // (isHeld() false) when `bytes` is more than the whole budget, or more than is left while
    // this thread already holds a share (it would wait for itself).
    explicit MemoryReservation(std::int64_t bytes);
    ~MemoryReservation();
    MemoryReservation(MemoryReservation&& other) noexcept;
    MemoryReservation& operator=(MemoryReservation&& other) noexcept;

    bool isHeld() const { return held_; }

  private:
    void release();
    std::int64_t bytes_ = 0;
    bool held_ = false;
};

// The budget as this machine gives it (kMaxDecodeBytes, or half the memory when that is less).
std::int64_t decodeBudget();

}  // namespace engine
