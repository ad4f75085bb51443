#include "ui/folder_access.h"

#include <QDir>
#include <QFileInfo>

#include <dirent.h>

namespace ui {

bool canListFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    // Permission bits do not tell (an administrator reads anything, a dead mount reads
    // nothing): only opening the folder does.
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr) {
        return false;
    }
    ::closedir(dir);
    return true;
}

QString cleanFolderPath(const QString& path, const QString& base) {
    if (path.isEmpty()) {
        return {};
    }
    const QString absolute =
        base.isEmpty() ? QFileInfo(path).absoluteFilePath() : QDir(base).absoluteFilePath(path);
    return QDir::cleanPath(absolute);
}

}  // namespace ui
