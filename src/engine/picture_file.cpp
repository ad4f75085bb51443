// SPDX-License-Identifier: MIT
#include "engine/picture_file.h"

#include "engine/orientation.h"
#include "engine/point_sampling.h"

#include <algorithm>

#include <cstring>
#include <numeric>

namespace engine {

Size pictureSize(const std::string& path) {
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path);
    return decoder ? decoder->size() : Size();
}

bool decodeWhole(PictureDecoder& decoder, Rgb* pixels, std::ptrdiff_t stride) {
    std::vector<int> rows(std::size_t(decoder.size().height()));
    std::iota(rows.begin(), rows.end(), 0);
    const auto rowBytes = std::size_t(decoder.size().width()) * sizeof(Rgb);
    return decoder.decode(rows, nullptr, [&](int index, const Rgb* row) {
        std::memcpy(pixels + index * stride, row, rowBytes);
    });
}

RgbImage readThumbnail(const std::string& path, int callWidth, int callHeight, std::string* error) {
    if (callWidth <= 2 || callHeight <= 2) {
        if (error != nullptr) {
            *error = "no thumbnail size";
        }
        return {};
    }
    const std::unique_ptr<PictureDecoder> decoder = openPicture(path, error);
    if (!decoder) {
        return {};
    }
    RgbImage thumbnail = readThumbnail(*decoder, callWidth, callHeight);
    if (thumbnail.isNull() && error != nullptr) {
        *error = decoder->error();
    }
    return thumbnail;
}

RgbImage readThumbnail(PictureDecoder& decoder, int callWidth, int callHeight) {
    const Size size = decoder.size();
    return readThumbnail(
        decoder, ThumbnailPlan{{0, 0, size.width(), size.height()}, callWidth - 2, callHeight - 2});
}

RgbImage readThumbnail(PictureDecoder& decoder, const ThumbnailPlan& plan) {
    ThumbnailSampler sampler(plan.source, plan.callWidth(), plan.callHeight());
    if (!sampler.isValid()) {
        return {};
    }
    const bool decoded =
        decoder.decode(sampler.rows(), &sampler.columns(),
                       [&](int index, const Rgb* row) { sampler.takeSampledRow(index, row); });
    return decoded ? sampler.takeThumbnail() : RgbImage();
}

RgbImage readThumbnail(PictureDecoder& decoder, const ThumbnailPlan& plan, int orientation) {
    if (orientation == kUpright) {
        return readThumbnail(decoder, plan);
    }
    const Size stored = decoder.size();
    ThumbnailSampler sampler(plan.source, plan.callWidth(), plan.callHeight());
    if (!sampler.isValid()) {
        return {};
    }
    // The stored rows and columns of every sample, in thumbnail order, then each set sorted.
    const std::vector<int>& uprightColumns = sampler.columns();
    const std::vector<int>& uprightRows = sampler.rows();
    std::vector<Point> points;
    points.reserve(uprightColumns.size() * uprightRows.size());
    std::vector<int> rows;
    std::vector<int> columns;
    for (const int y : uprightRows) {
        for (const int x : uprightColumns) {
            points.push_back(storedPoint(stored, orientation, x, y));
            rows.push_back(points.back().y);
            columns.push_back(points.back().x);
        }
    }
    const auto sortUnique = [](std::vector<int>& list) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    };
    sortUnique(rows);
    sortUnique(columns);
    // The samples as stored: rows.size() x columns.size(), a thumbnail's worth of pixels.
    RgbImage samples(int(columns.size()), int(rows.size()));
    if (samples.isNull()) {
        return {};
    }
    const bool decoded = decoder.decode(rows, &columns, [&](int index, const Rgb* row) {
        std::copy_n(row, columns.size(), samples.row(index));
    });
    if (!decoded) {
        return {};
    }
    const auto indexIn = [](const std::vector<int>& list, int value) {
        return int(std::lower_bound(list.begin(), list.end(), value) - list.begin());
    };
    std::vector<Rgb> row(uprightColumns.size());
    std::size_t at = 0;
    for (std::size_t y = 0; y < uprightRows.size(); ++y) {
        for (Rgb& pixel : row) {
            const Point point = points[at++];
            pixel = samples.pixel(indexIn(columns, point.x), indexIn(rows, point.y));
        }
        sampler.takeSampledRow(int(y), row.data());
    }
    return sampler.takeThumbnail();
}

}  // namespace engine
