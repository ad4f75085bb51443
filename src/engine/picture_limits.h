// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace engine {

// The most pixels a picture may have (a little over 100 megapixels, 512 MiB as RGB32). A file
// claiming more is refused from its header, before anything is allocated.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{128} * 1024 * 1024;

}  // namespace engine
