// SPDX-License-Identifier: MIT
#pragma once

#include "engine/picture_file.h"

#include <QImage>
#include <QString>

// The window's face of picture_file.h: the same pictures and thumbnails as window images.
namespace engine {

// The one picture loader of the program, for the window: the whole picture of openPicture
// (picture_file.h) as a window image, RGB32. The same file gives the same pixels in the window and
// on the command line. A null image when the file cannot be loaded. Safe to call from several
// threads at once.
QImage loadPicture(const QString& path);

// readThumbnail (picture_file.h) as a window image: exactly
// sampleThumbnail(loadPicture(path), callWidth, callHeight), decoding only the rows sampled.
QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight);

}  // namespace engine
