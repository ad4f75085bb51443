#include "engine/file_replace.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace engine {

namespace {

bool writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

bool replaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath();
    const QFileInfo info(target);
    if (info.isDir()) {
        return false;
    }
    QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        return info.exists() && writeInPlace(target, bytes);
    }
    const QFileDevice::Permissions permissions =
        info.exists() ? info.permissions()
                      : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther;
    if (temporary.write(bytes) != bytes.size() || !temporary.flush() ||
        !temporary.setPermissions(permissions)) {
        return false;
    }
    // rename(2) replaces the target in one step; QFile::rename refuses an existing target.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

}  // namespace engine
