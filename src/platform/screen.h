// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

class Screen {
  public:
    virtual ~Screen() = default;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // Size of the primary screen in pixels.
    virtual int widthPx() const = 0;
    virtual int heightPx() const = 0;
};

}  // namespace platform
