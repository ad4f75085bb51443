// SPDX-License-Identifier: MIT
#include "engine/source_preview.h"

#include "engine/picture_limits.h"

#include <algorithm>
#include <cmath>

namespace engine {

std::vector<PreviewSampler::Tap> PreviewSampler::tapsOf(int sourceSize, int boxSize,
                                                        std::vector<int>& positions) {
    std::vector<Tap> taps;
    taps.reserve(std::size_t(boxSize));
    // Box pixel centres mapped onto source pixel centres; outside the outer centres the edge
    // pixel is repeated.
    const double step = double(sourceSize) / double(boxSize);
    std::vector<int> firsts;
    std::vector<int> seconds;
    for (int i = 0; i < boxSize; ++i) {
        const double at = (i + 0.5) * step - 0.5;
        double whole = std::floor(at);
        int weight = int(std::lround((at - whole) * 256));
        if (weight == 256) {
            whole += 1;
            weight = 0;
        }
        const int first = std::clamp(int(whole), 0, sourceSize - 1);
        const int second = std::clamp(int(whole) + 1, 0, sourceSize - 1);
        firsts.push_back(first);
        // A weight of 0 reads nothing of the second position.
        seconds.push_back(weight == 0 ? first : second);
        taps.push_back({first, seconds.back(), weight});
    }
    positions = firsts;
    positions.insert(positions.end(), seconds.begin(), seconds.end());
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    const auto indexOf = [&](int position) {
        return int(std::lower_bound(positions.begin(), positions.end(), position) -
                   positions.begin());
    };
    for (Tap& tap : taps) {
        tap.first = indexOf(tap.first);
        tap.second = indexOf(tap.second);
    }
    return taps;
}

PreviewSampler::PreviewSampler(Size source, Size box) : box_(box) {
    if (source.isEmpty() || box.isEmpty() ||
        std::int64_t(box.width()) * box.height() > kMaxPicturePixels) {
        return;
    }
    xTaps_ = tapsOf(source.width(), box.width(), columns_);
    yTaps_ = tapsOf(source.height(), box.height(), rows_);
    mixedRows_.assign(rows_.size() * std::size_t(box.width()) * 3, 0);
}

void PreviewSampler::takeSampledRow(int index, const Rgb* sampled) {
    std::uint16_t* out = mixedRows_.data() + std::size_t(index) * xTaps_.size() * 3;
    for (const Tap& tap : xTaps_) {
        const Rgb a = sampled[tap.first];
        const Rgb b = sampled[tap.second];
        const int keep = 256 - tap.weight;
        *out++ = std::uint16_t(redOf(a) * keep + redOf(b) * tap.weight);
        *out++ = std::uint16_t(greenOf(a) * keep + greenOf(b) * tap.weight);
        *out++ = std::uint16_t(blueOf(a) * keep + blueOf(b) * tap.weight);
    }
}

RgbImage PreviewSampler::takePreview() {
    if (!isValid()) {
        return {};
    }
    RgbImage preview(box_.width(), box_.height());
    if (preview.isNull()) {
        return {};
    }
    const std::size_t rowLength = xTaps_.size() * 3;
    for (int y = 0; y < box_.height(); ++y) {
        const Tap& tap = yTaps_[std::size_t(y)];
        const std::uint16_t* a = mixedRows_.data() + std::size_t(tap.first) * rowLength;
        const std::uint16_t* b = mixedRows_.data() + std::size_t(tap.second) * rowLength;
        const int keep = 256 - tap.weight;
        Rgb* out = preview.row(y);
        for (int x = 0; x < box_.width(); ++x) {
            int channel[3];
            for (int c = 0; c < 3; ++c) {
                const auto at = std::size_t(3 * x + c);
                channel[c] = (a[at] * keep + b[at] * tap.weight + 32768) >> 16;
            }
            out[x] = rgb(channel[0], channel[1], channel[2]);
        }
    }
    mixedRows_.clear();
    mixedRows_.shrink_to_fit();
    return preview;
}

}  // namespace engine
