// SPDX-License-Identifier: MIT
#include "engine/picture_file.h"

#include "engine/orientation.h"
#include "engine/point_sampling.h"
#include "engine/source_preview.h"

#include <algorithm>

#include <cstring>
#include <iterator>
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

namespace {

int indexIn(const std::vector<int>& sorted, int value) {
    return int(std::lower_bound(sorted.begin(), sorted.end(), value) - sorted.begin());
}

// Where each of `wanted` sits in `merged` (sorted, each once, holding all of `wanted`).
std::vector<int> indicesIn(const std::vector<int>& merged, const std::vector<int>& wanted) {
    std::vector<int> at;
    at.reserve(wanted.size());
    for (const int value : wanted) {
        at.push_back(indexIn(merged, value));
    }
    return at;
}

// Both sorted lists as one, each value once.
std::vector<int> mergedOf(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> merged;
    merged.reserve(a.size() + b.size());
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(merged));
    merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
    return merged;
}

}  // namespace

ThumbnailAndPreview readThumbnailAndPreview(PictureDecoder& decoder, const ThumbnailPlan& plan,
                                            Size previewBox) {
    ThumbnailSampler thumbnail(plan.source, plan.callWidth(), plan.callHeight());
    PreviewSampler preview(decoder.size(), previewBox);
    // What each takes; nothing for one that cannot be made.
    const std::vector<int> none;
    const std::vector<int>& thumbnailRows = thumbnail.isValid() ? thumbnail.rows() : none;
    const std::vector<int>& thumbnailColumns = thumbnail.isValid() ? thumbnail.columns() : none;
    const std::vector<int>& previewRows = preview.isValid() ? preview.rows() : none;
    const std::vector<int>& previewColumns = preview.isValid() ? preview.columns() : none;

    // One request for both: every row and column either takes, each once.
    const std::vector<int> rows = mergedOf(thumbnailRows, previewRows);
    const std::vector<int> columns = mergedOf(thumbnailColumns, previewColumns);
    const std::vector<int> thumbnailColumnAt = indicesIn(columns, thumbnailColumns);
    const std::vector<int> previewColumnAt = indicesIn(columns, previewColumns);
    // Per requested row: the thumbnail rows it gives (a range, as they repeat when the
    // thumbnail enlarges) and the preview row it is, or -1.
    std::vector<std::pair<int, int>> thumbnailRowsOf(rows.size(), {0, 0});
    for (std::size_t i = 0; i < thumbnailRows.size(); ++i) {
        auto& range = thumbnailRowsOf[std::size_t(indexIn(rows, thumbnailRows[i]))];
        if (range.first == range.second) {
            range.first = int(i);
        }
        range.second = int(i) + 1;
    }
    std::vector<int> previewRowOf(rows.size(), -1);
    for (std::size_t i = 0; i < previewRows.size(); ++i) {
        previewRowOf[std::size_t(indexIn(rows, previewRows[i]))] = int(i);
    }

    std::vector<Rgb> gathered(std::max(thumbnailColumnAt.size(), previewColumnAt.size()));
    const auto gather = [&](const Rgb* row, const std::vector<int>& at) {
        for (std::size_t i = 0; i < at.size(); ++i) {
            gathered[i] = row[at[i]];
        }
        return gathered.data();
    };
    const bool decoded =
        rows.empty() || decoder.decode(rows, &columns, [&](int index, const Rgb* row) {
            const auto [first, last] = thumbnailRowsOf[std::size_t(index)];
            if (first != last) {
                gather(row, thumbnailColumnAt);
                for (int i = first; i < last; ++i) {
                    thumbnail.takeSampledRow(i, gathered.data());
                }
            }
            if (const int at = previewRowOf[std::size_t(index)]; at >= 0) {
                preview.takeSampledRow(at, gather(row, previewColumnAt));
            }
        });
    if (!decoded) {
        return {};
    }
    return {thumbnail.isValid() ? thumbnail.takeThumbnail() : RgbImage(),
            preview.isValid() ? preview.takePreview() : RgbImage(), true};
}

}  // namespace engine
