// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

namespace engine {

// How a picture meets the thumbnail box.
enum class FitMode {
    Stretch,  // the whole picture stretched to exactly the box (the window's rule)
    Fit,      // the whole picture, aspect kept, inside the box: one side shrinks
    Fill,     // aspect kept, the box filled exactly: the centre is cropped
};

// A rectangle of the source picture, in its pixels.
struct SourceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(SourceRect, SourceRect) = default;
};

// The box asked for. Fit and Fill take 0 for a free side: the thumbnail then follows the
// picture's aspect on that side (`-s 200` gives thumbnails 200 wide, whatever their height).
struct ThumbnailBox {
    int width = 0;
    int height = 0;
};

// The thumbnail's file type.
enum class ThumbnailType { Jpeg, Bitmap, Gif };

// One thumbnail as a front end asks for it: the picture's size, the box from the options, the
// landscape option, the file type and the JPEG quality. Plain data: a front end reads its
// controls or its command line once into a request, and the size rule below works on it.
struct ThumbnailRequest {
    Size source;
    int boxWidth = 0;
    int boxHeight = 0;
    bool landscape = false;
    ThumbnailType type = ThumbnailType::Jpeg;
    int quality = 100;
    FitMode mode = FitMode::Stretch;
};

// The 2-pixel frame the sampler draws around a thumbnail: its call size is the thumbnail's
// size plus this, each way.
inline constexpr int kCallFrame = 2;

// What is sampled, and into what: `source` of the picture point-sampled onto a
// `width` x `height` thumbnail, with the call size (the thumbnail plus its 2-pixel frame) the
// sampler expects.
struct ThumbnailPlan {
    SourceRect source;
    int width = 0;
    int height = 0;
    constexpr int callWidth() const { return width + kCallFrame; }
    constexpr int callHeight() const { return height + kCallFrame; }
    constexpr bool isValid() const { return width > 0 && height > 0; }
    friend constexpr bool operator==(const ThumbnailPlan&, const ThumbnailPlan&) = default;
};

// The largest side a Fit or Fill thumbnail may have; a free side is held to it as well.
inline constexpr int kMaxPlannedSide = 8192;

// The size rule: the box swapped for a picture wider than tall when `landscape` is on, then
// met as `mode` says. Sides are rounded to the nearest pixel and never below 1. An invalid plan
// for an empty picture, or a box with no side (or, in Stretch, a free side).
ThumbnailPlan planThumbnail(Size picture, ThumbnailBox box, FitMode mode, bool landscape);
// The same for a request.
ThumbnailPlan planThumbnail(const ThumbnailRequest& request);

// The request's box as the picture meets it: swapped for a picture wider than tall when the
// landscape option is on. Whatever the box holds, even sides of 0 or less.
ThumbnailBox orientedBox(const ThumbnailRequest& request);

// The call size of a Stretch request: the oriented box plus the frame, for any box. For a valid
// plan it is the plan's call size; the window also reports a call size of 0 and draws nothing
// for a negative one, so it needs the figure where no plan is valid.
Size callSize(const ThumbnailRequest& request);

}  // namespace engine
