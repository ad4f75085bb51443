// SPDX-License-Identifier: MIT
#include "platform/path_style.h"

#include <algorithm>

namespace platform {

const PathStyle& PathStyle::posix() {
    static const PathStyle style('/');
    return style;
}

const PathStyle& PathStyle::windows() {
    static const PathStyle style('\\');
    return style;
}

std::string PathStyle::join(std::string_view folder, std::string_view name) const {
    return withTrailingSeparator(folder).append(name);
}

bool PathStyle::endsWithSeparator(std::string_view path) const {
    return path.ends_with(separator_);
}

std::string PathStyle::withTrailingSeparator(std::string_view path) const {
    std::string text(path);
    if (!endsWithSeparator(path)) {
        text += separator_;
    }
    return text;
}

bool PathStyle::hasDrive(std::string_view path) const {
    if (isWindows()) {
        return path.size() >= 2 && path[1] == ':';
    }
    return path.starts_with(separator_);
}

std::string PathStyle::insertRoot(std::string_view path) const {
    std::string rooted(path);
    if (isWindows()) {
        const std::size_t colon = path.find(':');
        if (colon != std::string_view::npos) {
            if (colon + 1 >= path.size() || path[colon + 1] != separator_) {
                rooted.insert(colon + 1, 1, separator_);
            }
            return rooted;
        }
    }
    if (!path.starts_with(separator_)) {
        rooted.insert(0, 1, separator_);
    }
    return rooted;
}

int PathStyle::countSeparators(std::string_view path) const {
    return static_cast<int>(std::count(path.begin(), path.end(), separator_));
}

int PathStyle::lastSeparator(std::string_view path) const {
    const std::size_t at = path.rfind(separator_);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace platform
