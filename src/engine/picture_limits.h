#pragma once

#include <QtGlobal>

namespace engine {

// The most pixels a picture may have (a little over 100 megapixels, 512 MiB as RGB32). A file
// claiming more is refused from its header, before anything is allocated.
inline constexpr qint64 kMaxPicturePixels = qint64(128) * 1024 * 1024;

}  // namespace engine
