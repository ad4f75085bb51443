// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"
#include "engine/thumbnail_plan.h"

#include <vector>

namespace engine {

// Point sampling onto the thumbnail canvas. The caller passes the call size, the requested
// size plus 2 in each direction; the canvas frame eats those 2 pixels, so the result is the
// top-left (callWidth - 2) x (callHeight - 2) part of a callWidth x callHeight sampling grid.
//
// The arithmetic is kept exactly as the thumbnails have always been made: steps in single
// precision (source size / call size), accumulated by addition, positions compared as
// `x <= size - 1` in single precision; a sample point takes the source pixel it falls in.
// Grid positions never reached (a source smaller than the thumbnail) stay black.

// Source index of every sampled grid position along one axis, in grid order. The list is
// as long as the number of samples the accumulation makes, which may be fewer than the grid
// (the rest of the row or column stays black) but is never cut to the inner area.
std::vector<int> samplePositions(int sourceSize, int callSize);

// The sampling of one source size at one call size, for callers that bring the source rows
// one at a time (decoders that read only the rows sampled).
class ThumbnailSampler {
  public:
    ThumbnailSampler(Size source, int callWidth, int callHeight);
    // The same over `area` of the source alone, as if it were the whole picture: rows() and
    // columns() are then the source's own indices, inside the area.
    ThumbnailSampler(SourceRect area, int callWidth, int callHeight);

    // False when the call size leaves no inner area or the source is empty.
    bool isValid() const { return !thumb_.isNull(); }
    // The source rows the thumbnail takes, top to bottom (increasing, may repeat).
    const std::vector<int>& rows() const { return rows_; }
    // The source columns the thumbnail takes, left to right.
    const std::vector<int>& columns() const { return columns_; }
    // Samples source row rows()[index] (the source's width) into the thumbnail.
    void takeRow(int index, const Rgb* sourceRow);
    // The same from that row's pixels at columns() only, in that order.
    void takeSampledRow(int index, const Rgb* sampled);
    // (callWidth - 2) x (callHeight - 2), black where unsampled.
    const RgbImage& thumbnail() const { return thumb_; }
    RgbImage takeThumbnail() { return std::move(thumb_); }

  private:
    std::vector<int> columns_;
    std::vector<int> rows_;
    RgbImage thumb_;
};

// The thumbnail of a whole picture, as ThumbnailSampler makes it. A null image when the call
// size leaves no inner area or the source is empty.
RgbImage sampleThumbnail(const RgbView& source, int callWidth, int callHeight);
// The thumbnail of a plan (thumbnail_plan.h): its source rectangle sampled at its call size.
RgbImage sampleThumbnail(const RgbView& source, const ThumbnailPlan& plan);

}  // namespace engine
