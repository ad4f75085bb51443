// SPDX-License-Identifier: MIT
#include "engine/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace engine {

FileSource::FileSource(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    size_ = fd_ >= 0 ? std::int64_t(info.st_size) : 0;
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
