// SPDX-License-Identifier: MIT
#include "platform/path_style_qt.h"

namespace platform {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

QChar qSeparator(const PathStyle& style) {
    return QLatin1Char(style.separator());
}

QString join(const PathStyle& style, const QString& folder, const QString& name) {
    return text(style.join(folder.toStdString(), name.toStdString()));
}

bool endsWithSeparator(const PathStyle& style, const QString& path) {
    return path.endsWith(qSeparator(style));
}

QString withTrailingSeparator(const PathStyle& style, const QString& path) {
    return text(style.withTrailingSeparator(path.toStdString()));
}

bool hasDrive(const PathStyle& style, const QString& path) {
    return style.hasDrive(path.toStdString());
}

QString insertRoot(const PathStyle& style, const QString& path) {
    return text(style.insertRoot(path.toStdString()));
}

QString placeholderFolder(const PathStyle& style) {
    return style.isWindows() ? QStringLiteral("c:\\FilePath\\") : QStringLiteral("/FilePath/");
}

QString placeholderFile(const PathStyle& style) {
    return style.isWindows() ? QStringLiteral("c:\\FilePath\\FileName")
                             : QStringLiteral("/FilePath/FileName");
}

bool isPlaceholder(const PathStyle& style, const QString& text) {
    return text == placeholderFolder(style) || text == placeholderFile(style);
}

}  // namespace platform
