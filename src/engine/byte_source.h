// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace engine {

// Little-endian integers as BMP and GIF files store them.
inline std::uint16_t u16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline std::int32_t i32(const std::uint8_t* p) {
    return std::int32_t(u32(p));
}

// Random-access bytes of a picture file: a file on disk, or memory (tests, the fuzzer).
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::int64_t size() const = 0;
    // Exactly `length` bytes at `offset`, or false.
    virtual bool read(std::int64_t offset, std::int64_t length, void* into) = 0;
};

// Reads with pread(2): no shared file position, so nothing to guard between threads. Only
// regular files are opened, and opening never waits (a FIFO with no writer, a device).
class FileSource : public ByteSource {
  public:
    // `path` as the file system spells it.
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    // Why it is not open, one line ("no such file", "is a FIFO, not a picture").
    const std::string& error() const { return error_; }
    std::int64_t size() const override { return size_; }
    bool read(std::int64_t offset, std::int64_t length, void* into) override;

  private:
    int fd_ = -1;
    std::int64_t size_ = 0;
    std::string error_;
};

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    explicit MemorySource(std::string_view bytes)
        : bytes_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}
    std::int64_t size() const override { return std::int64_t(bytes_.size()); }
    bool read(std::int64_t offset, std::int64_t length, void* into) override;

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace engine
