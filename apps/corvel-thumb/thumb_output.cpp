#include "thumb_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "engine/picture_loader.h"
#include "engine/sampling.h"

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
    return QStringLiteral("cannot be loaded: not a BMP, JPEG or GIF picture, or damaged");
}

// A new, empty file beside `path`, created with the usual permissions (the umask applies).
QString createTemporaryBeside(const QString& path, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString candidate =
            folder + QStringLiteral("/.corvel-thumb-%1.part")
                         .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return candidate;
        }
        if (QFileInfo::exists(candidate)) {
            continue;
        }
        *error = QStringLiteral("cannot write in %1: %2").arg(folder, file.errorString());
        return {};
    }
    *error = QStringLiteral("cannot make a temporary file in %1").arg(folder);
    return {};
}

bool encode(const QImage& thumbnail, const QString& path, ThumbType type, int quality) {
    if (type == ThumbType::Bmp) {
        return thumbnail.save(path, "BMP");
    }
    // GIF thumbnails hold JPEG data, as the window writes them.
    return thumbnail.save(path, "JPEG", quality);
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
    const QImage source = engine::loadPicture(path);
    if (source.isNull()) {
        return {{}, loadError(path)};
    }
    if (landscape && source.width() > source.height()) {
        std::swap(width, height);
    }
    // The call size: the canvas frame eats 2 pixels in each direction.
    QImage thumbnail = engine::sampleThumbnail(source, width + 2, height + 2);
    if (thumbnail.isNull()) {
        return {{}, QStringLiteral("cannot be sampled")};
    }
    return {std::move(thumbnail), {}};
}

WriteResult writeThumbnailFile(const QImage& thumbnail, const QString& path, ThumbType type,
                               int quality, bool replace) {
    QString error;
    const QString temporary = createTemporaryBeside(path, &error);
    if (temporary.isEmpty()) {
        return {WriteResult::Status::Failed, error};
    }
    WriteResult result;
    if (encode(thumbnail, temporary, type, quality)) {
        result = moveIntoPlace(temporary, path, replace);
    } else {
        result = {WriteResult::Status::Failed, QStringLiteral("cannot write the picture data")};
    }
    if (result.status != WriteResult::Status::Written) {
        QFile::remove(temporary);
    }
    return result;
}

}  // namespace thumb
