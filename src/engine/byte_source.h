#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

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
    virtual qint64 size() const = 0;
    // Exactly `length` bytes at `offset`, or false.
    virtual bool read(qint64 offset, qint64 length, void* into) = 0;
};

// Reads with pread(2): no shared file position, so nothing to guard between threads.
class FileSource : public ByteSource {
  public:
    explicit FileSource(const QString& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    qint64 size() const override { return size_; }
    bool read(qint64 offset, qint64 length, void* into) override;

  private:
    int fd_ = -1;
    qint64 size_ = 0;
};

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(QByteArrayView bytes) : bytes_(bytes) {}
    qint64 size() const override { return bytes_.size(); }
    bool read(qint64 offset, qint64 length, void* into) override;

  private:
    QByteArrayView bytes_;
};

}  // namespace engine
