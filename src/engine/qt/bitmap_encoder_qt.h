// SPDX-License-Identifier: MIT
#pragma once

#include "engine/bitmap_encoder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace engine {

// The bitmap encoder (bitmap_encoder.h) on a window image.
QByteArray encodeBitmap(const QImage& image);
bool writeBitmap(const QImage& image, const QString& path);

}  // namespace engine
