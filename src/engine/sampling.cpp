#include "engine/sampling.h"

#include <QColor>

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

QImage sampleThumbnail(const QImage& source, int callWidth, int callHeight) {
    const int width = callWidth - 2;
    const int height = callHeight - 2;
    if (source.isNull() || width <= 0 || height <= 0) {
        return {};
    }
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    QImage thumb(width, height, QImage::Format_RGB32);
    thumb.fill(Qt::black);
    const std::vector<int> xs = samplePositions(rgb.width(), callWidth);
    const std::vector<int> ys = samplePositions(rgb.height(), callHeight);
    const int cols = std::min<int>(width, static_cast<int>(xs.size()));
    const int rows = std::min<int>(height, static_cast<int>(ys.size()));
    for (int row = 0; row < rows; ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(ys[row]));
        auto* out = reinterpret_cast<QRgb*>(thumb.scanLine(row));
        for (int col = 0; col < cols; ++col) {
            out[col] = in[xs[col]];
        }
    }
    return thumb;
}

}  // namespace engine
