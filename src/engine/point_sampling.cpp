// SPDX-License-Identifier: MIT
#include "engine/point_sampling.h"

#include <algorithm>
#include <utility>

namespace engine {

std::vector<int> samplePositions(int sourceSize, int callSize) {
    std::vector<int> positions;
    if (sourceSize <= 0 || callSize <= 0) {
        return positions;
    }
    const float step = static_cast<float>(sourceSize) / static_cast<float>(callSize);
    const auto last = static_cast<float>(sourceSize - 1);
    // The grid counters are 16-bit; no sensible call size comes near that limit.
    for (float at = 0; at <= last && positions.size() < 32767; at += step) {
        positions.push_back(std::min(static_cast<int>(at), sourceSize - 1));
    }
    return positions;
}

ThumbnailSampler::ThumbnailSampler(Size source, int callWidth, int callHeight)
    : ThumbnailSampler(SourceRect{0, 0, source.width(), source.height()}, callWidth, callHeight) {}

ThumbnailSampler::ThumbnailSampler(SourceRect area, int callWidth, int callHeight) {
    const int width = callWidth - 2;
    const int height = callHeight - 2;
    if (area.width <= 0 || area.height <= 0 || area.x < 0 || area.y < 0 || width <= 0 ||
        height <= 0) {
        return;
    }
    columns_ = samplePositions(area.width, callWidth);
    rows_ = samplePositions(area.height, callHeight);
    for (int& column : columns_) {
        column += area.x;
    }
    for (int& row : rows_) {
        row += area.y;
    }
    // The last two columns and rows of the grid fall on the frame.
    columns_.resize(std::min<std::size_t>(columns_.size(), std::size_t(width)));
    rows_.resize(std::min<std::size_t>(rows_.size(), std::size_t(height)));
    thumb_ = RgbImage(width, height);
}

void ThumbnailSampler::takeRow(int index, const Rgb* sourceRow) {
    Rgb* out = thumb_.row(index);
    for (std::size_t col = 0; col < columns_.size(); ++col) {
        out[col] = sourceRow[columns_[col]];
    }
}

void ThumbnailSampler::takeSampledRow(int index, const Rgb* sampled) {
    std::copy_n(sampled, columns_.size(), thumb_.row(index));
}

RgbImage sampleThumbnail(const RgbView& source, int callWidth, int callHeight) {
    return sampleThumbnail(
        source, ThumbnailPlan{{0, 0, source.width, source.height}, callWidth - 2, callHeight - 2});
}

RgbImage sampleThumbnail(const RgbView& source, const ThumbnailPlan& plan) {
    const SourceRect& area = plan.source;
    ThumbnailSampler sampler(area, plan.callWidth(), plan.callHeight());
    if (source.isNull() || !sampler.isValid() || area.x + area.width > source.width ||
        area.y + area.height > source.height) {
        return {};
    }
    const std::vector<int>& rows = sampler.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        sampler.takeRow(int(i), source.row(rows[i]));
    }
    return sampler.takeThumbnail();
}

}  // namespace engine
