#pragma once

#include <QByteArrayView>
#include <QString>

namespace engine {

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
