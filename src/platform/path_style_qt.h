// SPDX-License-Identifier: MIT
#pragma once

#include "platform/path_style.h"

#include <QChar>
#include <QString>

// The window's face of PathStyle: the same rules on QString, through UTF-8 (separators,
// colons and dots are single bytes there, so nothing moves).
namespace platform {

QChar qSeparator(const PathStyle& style);
// The folder text, one separator unless it already ends with one, then the name.
QString join(const PathStyle& style, const QString& folder, const QString& name);
bool endsWithSeparator(const PathStyle& style, const QString& path);
QString withTrailingSeparator(const PathStyle& style, const QString& path);
bool hasDrive(const PathStyle& style, const QString& path);
QString insertRoot(const PathStyle& style, const QString& path);

// What the destination box shows when no folder is chosen, and its same-folder form.
QString placeholderFolder(const PathStyle& style);  // "c:\FilePath\" or "/FilePath/"
QString placeholderFile(const PathStyle& style);  // "c:\FilePath\FileName" or "/FilePath/FileName"
bool isPlaceholder(const PathStyle& style, const QString& text);

}  // namespace platform
