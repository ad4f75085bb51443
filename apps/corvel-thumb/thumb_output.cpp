// SPDX-License-Identifier: MIT
#include "thumb_output.h"

#include <utility>

#include "engine/bitmap_encoder.h"
#include "engine/colour_profile.h"
#include "engine/jpeg_encoder.h"
#include "engine/orientation.h"
#include "engine/picture_file.h"

namespace thumb {

namespace {

// The encoders under the window's writers: bitmap, and JPEG for JPG and GIF alike (GIF
// thumbnails hold JPEG data).
engine::Bytes encode(const engine::RgbImage& thumbnail, ThumbType type, int quality,
                     const engine::Bytes& profile) {
    return type == ThumbType::Bmp ? engine::encodeBitmap(thumbnail)
                                  : engine::encodeJpeg(thumbnail, quality, &profile);
}

}  // namespace

RenderedPicture renderPicture(const std::string& path, engine::ThumbnailBox box,
                              engine::FitMode mode, bool landscape, bool autoOrient,
                              bool convertColours) {
    std::string error;
    const std::unique_ptr<engine::PictureDecoder> picture = engine::openPicture(path, &error);
    if (!picture) {
        return {{}, error, {}};
    }
    const int orientation = autoOrient ? picture->orientation() : engine::kUpright;
    const engine::ThumbnailPlan plan = engine::planThumbnail(
        engine::uprightSize(picture->size(), orientation), box, mode, landscape);
    if (!plan.isValid()) {
        return {{}, "cannot be loaded", {}};
    }
    engine::RgbImage thumbnail = engine::readThumbnail(*picture, plan, orientation);
    // Point sampling picks pixels; colour conversion is per pixel, so it runs on the few picked.
    if (convertColours && !thumbnail.isNull()) {
        engine::convertToSrgb(thumbnail, picture->colourProfile());
    } else if (!thumbnail.isNull()) {
        return {std::move(thumbnail), {}, picture->colourProfile()};
    }
    if (thumbnail.isNull()) {
        return {{}, picture->error().empty() ? "cannot be loaded" : picture->error(), {}};
    }
    return {std::move(thumbnail), {}, {}};
}

engine::WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const std::string& path,
                                       ThumbType type, int quality, bool replace,
                                       const engine::Bytes& profile) {
    const engine::Bytes bytes = encode(thumbnail, type, quality, profile);
    if (bytes.empty()) {
        return {engine::WriteResult::Status::Failed, "the thumbnail could not be encoded"};
    }
    return engine::writeFile(path, bytes,
                             replace ? engine::IfExists::Replace : engine::IfExists::Keep);
}

}  // namespace thumb
