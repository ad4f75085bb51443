// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "engine/file_write.h"
#include "engine/rgb_image.h"
#include "thumb_options.h"

namespace thumb {

struct RenderedPicture {
    engine::RgbImage thumbnail;  // null when the picture failed
    std::string error;           // why it failed
    engine::Bytes profile;       // the colour profile to embed (--keep-profile)
};

// The thumbnail of one picture file in `box` (swapped for a landscape picture when `landscape`
// is on), met as `mode` says (engine::planThumbnail) and point-sampled as the window samples.
// With `autoOrient`, a picture tagged with an EXIF orientation is stood upright first; with
// `convertColours`, a picture with an embedded colour profile is converted to sRGB; without
// it, the pixels stay as stored and the profile is handed on for the thumbnail file.
RenderedPicture renderPicture(const std::string& path, engine::ThumbnailBox box,
                              engine::FitMode mode, bool landscape, bool autoOrient,
                              bool convertColours);

// Writes the thumbnail file of the type through the one write primitive (file_write.h): a
// failure never leaves a partial file under the final name. An existing file is replaced only
// when `replace` is set.
engine::WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const std::string& path,
                                       ThumbType type, int quality, bool replace,
                                       const engine::Bytes& profile = {});

}  // namespace thumb
