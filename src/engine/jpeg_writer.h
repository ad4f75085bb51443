#pragma once

#include "engine/jpeg_encoder.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>

namespace engine {

// The JPEG encoder (jpeg_encoder.h) on a window image.
QByteArray encodeJpeg(const QImage& image, int quality);
bool encodeJpeg(const QImage& image, int quality, QIODevice& into);
bool writeJpeg(const QImage& image, const QString& path, int quality);

}  // namespace engine
