// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace engine {

// The one picture loader of the program, for the window: the whole picture of openPicture
// (picture_file.h) as a window image, RGB32. The same file gives the same pixels in the window and
// on the command line. A null image when the file cannot be loaded. Safe to call from several
// threads at once.
QImage loadPicture(const QString& path);

}  // namespace engine
