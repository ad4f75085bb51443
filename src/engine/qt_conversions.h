// SPDX-License-Identifier: MIT
#pragma once

#include "engine/file_replace.h"
#include "engine/rgb_image.h"

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>

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

}  // namespace engine
