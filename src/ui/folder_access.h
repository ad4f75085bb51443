#pragma once

#include <QString>

namespace ui {

// True when `folder` is a folder whose entries can be read now.
bool canListFolder(const QString& folder);

// `path` made absolute (relative to `base`) and clean: no "." or "..", no trailing separator
// except for the root itself.
QString cleanFolderPath(const QString& path, const QString& base = {});

}  // namespace ui
