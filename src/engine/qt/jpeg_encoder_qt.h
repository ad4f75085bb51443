// SPDX-License-Identifier: MIT
#pragma once

#include "engine/jpeg_encoder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace engine {

// The JPEG encoder (jpeg_encoder.h) on a window image.
QByteArray encodeJpeg(const QImage& image, int quality);
bool writeJpeg(const QImage& image, const QString& path, int quality);

}  // namespace engine
