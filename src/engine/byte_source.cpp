// SPDX-License-Identifier: MIT
#include "engine/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace engine {

namespace {

std::string openError(int error) {
    switch (error) {
        case ENOENT:
            return "no such file";
        case EACCES:
        case EPERM:
            return "cannot be read (permission denied)";
        default:
            return std::string("cannot be read (") + std::strerror(error) + ")";
    }
}

std::string kindError(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "is a folder, not a picture";
    }
    if (S_ISFIFO(mode)) {
        return "is a FIFO, not a picture";
    }
    if (S_ISSOCK(mode)) {
        return "is a socket, not a picture";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "is a device, not a picture";
    }
    return "is not a regular file";
}

}  // namespace

FileSource::FileSource(const std::string& path) {
    // Non-blocking, so a FIFO or a device cannot hold the open; the type is checked on the
    // open file, so nothing can swap the name in between.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) {
        error_ = openError(errno);
        return;
    }
    struct stat info {};
    const bool known = ::fstat(fd_, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        error_ = known ? kindError(info.st_mode) : openError(errno);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = std::int64_t(info.st_size);
}

FileSource::~FileSource() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FileSource::read(std::int64_t offset, std::int64_t length, void* into) {
    if (fd_ < 0 || offset < 0 || length < 0 || offset > size_ - length) {
        return false;
    }
    auto* at = static_cast<char*>(into);
    while (length > 0) {
        const ssize_t got = ::pread(fd_, at, std::size_t(length), off_t(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        at += got;
        offset += got;
        length -= got;
    }
    return true;
}

bool MemorySource::read(std::int64_t offset, std::int64_t length, void* into) {
    if (offset < 0 || length < 0 || offset > size() - length) {
        return false;
    }
    std::memcpy(into, bytes_.data() + offset, std::size_t(length));
    return true;
}

}  // namespace engine
