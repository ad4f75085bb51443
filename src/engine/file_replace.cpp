#include "engine/file_replace.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace engine {

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, at, std::size_t(left));
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        at += done;
        left -= done;
    }
    return true;
}

// Writes into a new file or over the old one's bytes; a partly written new file is removed.
bool writeDirectly(const QByteArray& target, const QByteArray& bytes, int flags) {
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!(written && closed) && (flags & O_EXCL)) {
        ::unlink(target.constData());
    }
    return written && closed;
}

}  // namespace

bool replaceFile(const QString& path, const QByteArray& bytes) {
    QByteArray target = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(target.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target.constData(), resolved) == nullptr) {
            return writeDirectly(target, bytes, O_CREAT | O_TRUNC);  // a link to nothing yet
        }
        target = resolved;
    }
    if (::stat(target.constData(), &info) != 0) {
        // Nothing to keep: the new file is written where it belongs (the umask applies).
        return errno == ENOENT && writeDirectly(target, bytes, O_CREAT | O_EXCL);
    }
    if (!S_ISREG(info.st_mode)) {
        return false;
    }
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder we may not create files in still lets its files be replaced.
        return writeDirectly(target, bytes, O_TRUNC);
    }
    const bool written = ::fchmod(fd, info.st_mode & 07777) == 0 && writeAll(fd, bytes);
    // rename(2) replaces the old file in one step: readers see the old bytes or the new ones.
    if (::close(fd) != 0 || !written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

}  // namespace engine
