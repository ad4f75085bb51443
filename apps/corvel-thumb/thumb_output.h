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

// The thumbnail of one picture file in the options' box (swapped for a landscape picture with
// --landscape), met as their mode says (engine::planThumbnail) and point-sampled as the window
// samples. A picture tagged with an EXIF orientation is stood upright first (unless
// --no-auto-orient); a picture with an embedded colour profile is converted to sRGB, or with
// --keep-profile keeps its pixels as stored and hands the profile on for the thumbnail file.
// A transparent picture keeps its transparency for a type that holds it, and is laid over the
// background for the others.
RenderedPicture renderPicture(const std::string& path, const ThumbOptions& options);

// Writes the thumbnail file of the type through the one write primitive (file_write.h): a
// failure never leaves a partial file under the final name. An existing file is replaced only
// when `replace` is set.
// `quality` and `lossless` are the options' (JPEG, GIF and WebP use them).
engine::WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const std::string& path,
                                       const ThumbOptions& options,
                                       const engine::Bytes& profile = {});

}  // namespace thumb
