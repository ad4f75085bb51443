#include "thumb_output.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "engine/bitmap_encoder.h"
#include "engine/jpeg_encoder.h"
#include "engine/picture_file.h"

namespace thumb {

namespace {

QString loadError(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("no such file");
    }
    if (info.isDir()) {
        return QStringLiteral("is a folder, not a picture");
    }
    if (!info.isReadable()) {
        return QStringLiteral("cannot be read (permission denied)");
    }
    return QStringLiteral(
        "cannot be loaded: not a BMP, JPEG or GIF picture, damaged, or too large");
}

// Opens a new, empty file beside `path`, with the usual permissions (the umask applies).
bool openTemporaryBeside(const QString& path, QFile& file, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    for (int attempt = 0; attempt < 8; ++attempt) {
        file.setFileName(
            folder + QStringLiteral("/.corvel-thumb-%1.part")
                         .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return true;
        }
        if (!file.exists()) {
            *error = QStringLiteral("cannot write in %1: %2").arg(folder, file.errorString());
            return false;
        }
    }
    *error = QStringLiteral("cannot make a temporary file in %1").arg(folder);
    return false;
}

// The encoders under the window's writers: bitmap, and JPEG for JPG and GIF alike (GIF
// thumbnails hold JPEG data).
bool encode(const engine::RgbImage& thumbnail, ThumbType type, int quality, QFile& file) {
    const QByteArray bytes = type == ThumbType::Bmp ? engine::encodeBitmap(thumbnail)
                                                    : engine::encodeJpeg(thumbnail, quality);
    return !bytes.isEmpty() && file.write(bytes) == bytes.size();
}

WriteResult moveIntoPlace(const QString& temporary, const QString& path, bool replace) {
    if (replace) {
        // rename(2) replaces the old file in one step.
        if (std::rename(QFile::encodeName(temporary).constData(),
                        QFile::encodeName(path).constData()) == 0) {
            return {WriteResult::Status::Written, {}};
        }
        return {WriteResult::Status::Failed, qt_error_string(errno)};
    }
    // QFile::rename never replaces an existing file, even one made since the name was checked.
    QFile file(temporary);
    if (file.rename(path)) {
        return {WriteResult::Status::Written, {}};
    }
    if (QFileInfo::exists(path)) {
        return {WriteResult::Status::Exists, {}};
    }
    return {WriteResult::Status::Failed, file.errorString()};
}

}  // namespace

RenderedPicture renderPicture(const QString& path, int width, int height, bool landscape) {
    const std::unique_ptr<engine::PictureDecoder> picture = engine::openPicture(path);
    if (!picture) {
        return {{}, loadError(path)};
    }
    if (landscape && picture->size().width() > picture->size().height()) {
        std::swap(width, height);
    }
    // The call size: the canvas frame eats 2 pixels in each direction.
    engine::RgbImage thumbnail = engine::readThumbnail(*picture, width + 2, height + 2);
    if (thumbnail.isNull()) {
        return {{}, QStringLiteral("cannot be loaded: the picture data is damaged")};
    }
    return {std::move(thumbnail), {}};
}

WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const QString& path,
                               ThumbType type, int quality, bool replace) {
    QFile file;
    QString error;
    if (!openTemporaryBeside(path, file, &error)) {
        return {WriteResult::Status::Failed, error};
    }
    const bool encoded = encode(thumbnail, type, quality, file) && file.flush();
    const QString writeError = file.errorString();
    file.close();
    WriteResult result;
    if (encoded) {
        result = moveIntoPlace(file.fileName(), path, replace);
    } else {
        result = {WriteResult::Status::Failed, writeError};
    }
    if (result.status != WriteResult::Status::Written) {
        QFile::remove(file.fileName());
    }
    return result;
}

}  // namespace thumb
