// SPDX-License-Identifier: MIT
#include "engine/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace engine {

namespace {

// Writes into a new file or over the old one's bytes; a partly written new file is removed.
bool writeDirectly(const std::string& target, const Bytes& bytes, int flags) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!(written && closed) && (flags & O_EXCL)) {
        ::unlink(target.c_str());
    }
    return written && closed;
}

}  // namespace

bool writeAll(int fd, const Bytes& bytes) {
    const std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, at, std::size_t(left));
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        at += done;
        left -= std::size_t(done);
    }
    return true;
}

bool replaceFile(const std::string& path, const Bytes& bytes) {
    std::string target = path;
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.c_str(), resolved) == nullptr) {
            return writeDirectly(target, bytes, O_CREAT | O_TRUNC);  // a link to nothing yet
        }
        target = resolved;
    }
    if (::stat(target.c_str(), &info) != 0) {
        // Nothing to keep: the new file is written where it belongs (the umask applies).
        return errno == ENOENT && writeDirectly(target, bytes, O_CREAT | O_EXCL);
    }
    if (!S_ISREG(info.st_mode)) {
        return false;
    }
    const std::size_t nameStart = target.rfind('/') + 1;  // 0 without a '/'
    std::string temporary =
        target.substr(0, nameStart) + '.' + target.substr(nameStart) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder we may not create files in still lets its files be replaced.
        return writeDirectly(target, bytes, O_TRUNC);
    }
    const bool written = ::fchmod(fd, info.st_mode & 07777) == 0 && writeAll(fd, bytes);
    // rename(2) replaces the old file in one step: readers see the old bytes or the new ones.
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace engine
