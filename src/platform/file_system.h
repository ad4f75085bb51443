// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {

// Which mounted file system holds `path` itself (a link at `path` is not followed), so a walk
// over one drive can stay on it; none when `path` cannot be read.
std::optional<quint64> fileSystemOf(const QString& path);

}  // namespace platform
