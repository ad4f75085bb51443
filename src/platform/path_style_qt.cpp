// SPDX-License-Identifier: MIT
// The window's face of PathStyle: the same rules on QString, through UTF-8 (separators,
// colons and dots are single bytes there, so nothing moves).
#include "platform/path_style.h"

#include <QString>

namespace platform {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

QChar PathStyle::qSeparator() const {
    return QLatin1Char(separator_);
}

QString PathStyle::join(const QString& folder, const QString& name) const {
    return text(join(folder.toStdString(), name.toStdString()));
}

bool PathStyle::endsWithSeparator(const QString& path) const {
    return path.endsWith(qSeparator());
}

QString PathStyle::withTrailingSeparator(const QString& path) const {
    return text(withTrailingSeparator(path.toStdString()));
}

bool PathStyle::hasDrive(const QString& path) const {
    return hasDrive(path.toStdString());
}

QString PathStyle::insertRoot(const QString& path) const {
    return text(insertRoot(path.toStdString()));
}

QString PathStyle::placeholderFolder() const {
    return isWindows() ? QStringLiteral("c:\\FilePath\\") : QStringLiteral("/FilePath/");
}

QString PathStyle::placeholderFile() const {
    return isWindows() ? QStringLiteral("c:\\FilePath\\FileName")
                       : QStringLiteral("/FilePath/FileName");
}

bool PathStyle::isPlaceholder(const QString& text) const {
    return text == placeholderFolder() || text == placeholderFile();
}

}  // namespace platform
