// SPDX-License-Identifier: MIT
#include "thumb_output.h"

#include <utility>

#include "engine/bitmap_encoder.h"
#include "engine/colour_profile.h"
#include "engine/jpeg_encoder.h"
#include "engine/orientation.h"
#include "engine/picture_file.h"
#include "engine/png_encoder.h"
#include "engine/webp_encoder.h"

namespace thumb {

namespace {

// The encoders under the window's writers (bitmap, and JPEG for JPG and GIF alike: GIF
// thumbnails hold JPEG data), and PNG and WebP.
engine::Bytes encode(const engine::RgbImage& thumbnail, const ThumbOptions& options,
                     const engine::Bytes& profile) {
    switch (options.type) {
        case ThumbType::Bmp:
            return engine::encodeBitmap(thumbnail);
        case ThumbType::Png:
            return engine::encodePng(thumbnail, &profile);
        case ThumbType::Webp:
            return engine::encodeWebp(thumbnail, options.quality, options.lossless, &profile);
        case ThumbType::Jpg:
        case ThumbType::Gif:
            break;
    }
    return engine::encodeJpeg(thumbnail, options.quality, &profile);
}

}  // namespace

RenderedPicture renderPicture(const std::string& path, const ThumbOptions& options) {
    std::string error;
    const std::unique_ptr<engine::PictureDecoder> picture = engine::openPicture(path, &error);
    if (!picture) {
        return {{}, error, {}};
    }
    const int orientation = options.autoOrient ? picture->orientation() : engine::kUpright;
    const engine::ThumbnailPlan plan =
        engine::planThumbnail(engine::uprightSize(picture->size(), orientation),
                              {options.width, options.height}, options.mode, options.landscape);
    if (!plan.isValid()) {
        return {{}, "cannot be loaded", {}};
    }
    // The background goes under the pixels once they are sRGB, as it is given.
    picture->keepTransparency(true);
    engine::RgbImage thumbnail = engine::readThumbnail(*picture, plan, orientation);
    if (thumbnail.isNull()) {
        return {{}, picture->error().empty() ? "cannot be loaded" : picture->error(), {}};
    }
    engine::Bytes profile;
    // Point sampling picks pixels; colour conversion is per pixel, so it runs on the few picked.
    if (options.convertColours) {
        engine::convertToSrgb(thumbnail, picture->colourProfile());
    } else {
        profile = picture->colourProfile();
    }
    if (!keepsTransparency(options.type) && picture->hasTransparency()) {
        engine::flatten(thumbnail, options.background);
    }
    return {std::move(thumbnail), {}, std::move(profile)};
}

engine::WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const std::string& path,
                                       const ThumbOptions& options, const engine::Bytes& profile) {
    const engine::Bytes bytes = encode(thumbnail, options, profile);
    if (bytes.empty()) {
        return {engine::WriteResult::Status::Failed, "the thumbnail could not be encoded"};
    }
    return engine::writeFile(
        path, bytes, options.overwrite ? engine::IfExists::Replace : engine::IfExists::Keep);
}

}  // namespace thumb
