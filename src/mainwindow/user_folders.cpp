// SPDX-License-Identifier: MIT
#include "mainwindow/user_folders.h"
#include "platform/path_style_qt.h"

QString GetSpecialFolder(const platform::SpecialFolders& folders, const platform::PathStyle& paths,
                         int id) {
    QString path;
    if (id == kFolderDocuments) {
        path = folders.path(platform::SpecialFolder::Documents);
    } else if (id == kFolderPictures) {
        path = folders.path(platform::SpecialFolder::Pictures);
    }
    return path.isEmpty() ? QString() : platform::withTrailingSeparator(paths, path);
}
