// SPDX-License-Identifier: MIT
#include "engine/thumbnail_plan.h"

#include <algorithm>
#include <cstdint>

namespace engine {

namespace {

// a * b / c to the nearest whole number, held to 1 ... limit.
int scaled(std::int64_t a, std::int64_t b, std::int64_t c, int limit) {
    const std::int64_t value = (2 * a * b + c) / (2 * c);
    return int(std::clamp<std::int64_t>(value, 1, limit));
}

}  // namespace

ThumbnailPlan planThumbnail(Size picture, ThumbnailBox box, FitMode mode, bool landscape) {
    if (picture.isEmpty() || box.width < 0 || box.height < 0 ||
        (box.width == 0 && box.height == 0)) {
        return {};
    }
    box = orientedBox({picture, box.width, box.height, landscape});
    const std::int64_t sw = picture.width();
    const std::int64_t sh = picture.height();
    const SourceRect whole{0, 0, picture.width(), picture.height()};
    switch (mode) {
        case FitMode::Stretch:
            if (box.width == 0 || box.height == 0) {
                return {};
            }
            return {whole, box.width, box.height};
        case FitMode::Fit:
        case FitMode::Fill:
            break;
    }
    // A free side, or a Fit box whose other side the picture's aspect would overflow, follows
    // the aspect from the side that binds.
    const bool wider = sw * box.height > sh * box.width;  // than the box
    const bool byWidth = box.height == 0 || (box.width != 0 && (mode == FitMode::Fit) == wider);
    if (mode == FitMode::Fit || box.width == 0 || box.height == 0) {
        if (byWidth) {
            return {whole, box.width, scaled(sh, box.width, sw, kMaxPlannedSide)};
        }
        return {whole, scaled(sw, box.height, sh, kMaxPlannedSide), box.height};
    }
    // Fill: the centred part of the picture with the box's aspect.
    SourceRect crop = whole;
    if (wider) {
        crop.width = scaled(sh, box.width, box.height, picture.width());
        crop.x = (picture.width() - crop.width) / 2;
    } else {
        crop.height = scaled(sw, box.height, box.width, picture.height());
        crop.y = (picture.height() - crop.height) / 2;
    }
    return {crop, box.width, box.height};
}

ThumbnailPlan planThumbnail(const ThumbnailRequest& request) {
    return planThumbnail(request.source, {request.boxWidth, request.boxHeight}, request.mode,
                         request.landscape);
}

ThumbnailBox orientedBox(const ThumbnailRequest& request) {
    if (request.landscape && request.source.width() > request.source.height()) {
        return {request.boxHeight, request.boxWidth};
    }
    return {request.boxWidth, request.boxHeight};
}

Size callSize(const ThumbnailRequest& request) {
    const ThumbnailBox box = orientedBox(request);
    return {box.width + kCallFrame, box.height + kCallFrame};
}

}  // namespace engine
