// SPDX-License-Identifier: MIT
#pragma once

#include "engine/file_write.h"
#include "engine/rgb_image.h"

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>

#include <cstdint>
#include <span>
#include <string>

// Between the engine core's standard types and the window's Qt ones.
namespace engine {

// A path as the file system spells it (the core's paths).
inline std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline QSize toQSize(Size size) {
    return {size.width(), size.height()};
}

inline QByteArray toQByteArray(const Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

// The bytes of `bytes`, not copied: valid as long as it is.
inline std::span<const std::uint8_t> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

}  // namespace engine
