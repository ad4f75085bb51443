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

// What is sampled, and into what: `source` of the picture point-sampled onto a
// `width` x `height` thumbnail, with the call size (the thumbnail plus its 2-pixel frame) the
// sampler expects.
struct ThumbnailPlan {
    SourceRect source;
    int width = 0;
    int height = 0;
    constexpr int callWidth() const { return width + 2; }
    constexpr int callHeight() const { return height + 2; }
    constexpr bool isValid() const { return width > 0 && height > 0; }
    friend constexpr bool operator==(const ThumbnailPlan&, const ThumbnailPlan&) = default;
};

// The largest side a Fit or Fill thumbnail may have; a free side is held to it as well.
inline constexpr int kMaxPlannedSide = 8192;

// The size rule: the box swapped for a picture wider than tall when `landscape` is on, then
// met as `mode` says. Sides are rounded to the nearest pixel and never below 1. An invalid plan
// for an empty picture, or a box with no side (or, in Stretch, a free side).
ThumbnailPlan planThumbnail(Size picture, ThumbnailBox box, FitMode mode, bool landscape);

}  // namespace engine
