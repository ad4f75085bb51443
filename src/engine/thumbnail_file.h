// SPDX-License-Identifier: MIT
#pragma once

#include "engine/picture_file.h"

#include <QImage>
#include <QString>

namespace engine {

// readThumbnail (picture_file.h) as a window image: exactly
// sampleThumbnail(loadPicture(path), callWidth, callHeight), decoding only the rows sampled.
QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight);

}  // namespace engine
