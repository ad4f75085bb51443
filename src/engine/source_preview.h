// SPDX-License-Identifier: MIT
#pragma once

#include "engine/rgb_image.h"

#include <cstdint>
#include <vector>

namespace engine {

// The source preview: a picture stretched into a box with smoothing, the way the window toolkit
// draws a picture scaled into a box (each box pixel mixes the four source pixels around its
// centre, bilinearly). It is made from the few source rows and columns that mixing reads, at
// most two of each per box pixel, which a decoder hands over as they stream: a large picture is
// never held whole. A box the size of the picture gives the picture itself.
class PreviewSampler {
  public:
    PreviewSampler(Size source, Size box);

    // False for an empty source or box (or a box above the pixel limit).
    bool isValid() const { return !yTaps_.empty(); }
    // The source rows read, increasing, each once.
    const std::vector<int>& rows() const { return rows_; }
    // The source columns read, increasing, each once.
    const std::vector<int>& columns() const { return columns_; }
    // Takes source row rows()[index], its pixels at columns() only, in that order. Rows may
    // come in any order.
    void takeSampledRow(int index, const Rgb* sampled);
    // The box-size preview; rows never taken mix as black.
    RgbImage takePreview();

  private:
    // One box position along an axis: the two source positions it mixes (as indices into rows_
    // or columns_) and the weight of the second, out of 256.
    struct Tap {
        int first = 0;
        int second = 0;
        int weight = 0;
    };
    static std::vector<Tap> tapsOf(int sourceSize, int boxSize, std::vector<int>& positions);

    Size box_;
    std::vector<Tap> xTaps_;
    std::vector<Tap> yTaps_;
    std::vector<int> rows_;
    std::vector<int> columns_;
    // Each taken row mixed across to the box's width: red, green and blue times 256.
    std::vector<std::uint16_t> mixedRows_;
};

}  // namespace engine
