// SPDX-License-Identifier: MIT
#include "platform/file_system.h"

#include <QFile>

#include <sys/stat.h>

namespace platform {

std::optional<quint64> fileSystemOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<quint64>(info.st_dev);
}

}  // namespace platform
