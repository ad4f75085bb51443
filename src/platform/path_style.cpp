#include "platform/path_style.h"

namespace platform {

const PathStyle& PathStyle::posix() {
    static const PathStyle style(QLatin1Char('/'));
    return style;
}

const PathStyle& PathStyle::windows() {
    static const PathStyle style(QLatin1Char('\\'));
    return style;
}

QString PathStyle::join(const QString& folder, const QString& name) const {
    return withTrailingSeparator(folder) + name;
}

bool PathStyle::endsWithSeparator(const QString& path) const {
    return path.endsWith(separator_);
}

QString PathStyle::withTrailingSeparator(const QString& path) const {
    return endsWithSeparator(path) ? path : path + separator_;
}

bool PathStyle::hasDrive(const QString& path) const {
    if (isWindows()) {
        return path.size() >= 2 && path.at(1) == QLatin1Char(':');
    }
    return path.startsWith(separator_);
}

QString PathStyle::insertRoot(const QString& path) const {
    if (isWindows()) {
        const qsizetype colon = path.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            if (colon + 1 < path.size() && path.at(colon + 1) == separator_) {
                return path;
            }
            QString rooted = path;
            rooted.insert(colon + 1, separator_);
            return rooted;
        }
    }
    return path.startsWith(separator_) ? path : separator_ + path;
}

int PathStyle::countSeparators(const QString& path) const {
    return static_cast<int>(path.count(separator_));
}

int PathStyle::lastSeparator(const QString& path) const {
    return static_cast<int>(path.lastIndexOf(separator_));
}

QString PathStyle::placeholderFolder() const {
    return isWindows() ? QStringLiteral("c:\\FilePath\\") : QStringLiteral("/FilePath/");
}

QString PathStyle::placeholderFile() const {
    return isWindows() ? QStringLiteral("c:\\FilePath\\FileName")
                       : QStringLiteral("/FilePath/FileName");
}

}  // namespace platform
