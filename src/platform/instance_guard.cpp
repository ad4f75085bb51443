// SPDX-License-Identifier: MIT
#include "platform/instance_guard.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

int openLockFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        return fd;
    }
    // A file in a folder that has become read-only can still carry the lock.
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

}  // namespace

LockFileInstanceGuard::LockFileInstanceGuard(QString lockPath) : path_(std::move(lockPath)) {}

LockFileInstanceGuard::~LockFileInstanceGuard() {
    if (fd_ >= 0) {
        // The file stays: removing it here could remove a lock a new copy has just taken.
        ::close(fd_);
    }
}

QString LockFileInstanceGuard::defaultLockPath(const QString& program) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        return {};
    }
    return folder + QLatin1Char('/') + program + QStringLiteral(".lock");
}

bool LockFileInstanceGuard::claim() {
    if (claimed_ || path_.isEmpty()) {
        claimed_ = true;
        return true;
    }
    const QByteArray path = QFile::encodeName(path_);
    int fd = openLockFile(path);
    if (fd < 0 && errno != ENOENT && ::unlink(path.constData()) == 0) {
        // A file this user cannot open is no lock of this program's: replace it.
        fd = openLockFile(path);
    }
    if (fd < 0) {
        claimed_ = true;  // no lock can be made: start without one
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        if (held) {
            return false;  // a running copy holds it
        }
        claimed_ = true;  // the file system keeps no locks: start without one
        return true;
    }
    fd_ = fd;
    claimed_ = true;
    // Who holds it, for a person looking; nothing reads it back.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd_, pid.constData(), pid.size());
    }
    return true;
}

}  // namespace platform
