// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

enum class SpecialFolder { Documents, Pictures };

class SpecialFolders {
  public:
    virtual ~SpecialFolders() = default;
    // The folder's path without a trailing separator, or empty text when it does not exist.
    virtual QString path(SpecialFolder folder) const = 0;
};

}  // namespace platform
