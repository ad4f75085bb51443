// SPDX-License-Identifier: MIT
#include "options/thumbnail_options.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace options {

namespace {

template <typename Int>
std::optional<Int> toInteger(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

// A stored number, rounded as the boxes are read; none for text that is no finite number.
std::optional<double> storedNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return std::nearbyint(value);
}

QString withinRange(const QString& text, double low, double high, const Key& key) {
    const auto value = storedNumber(text);
    if (!value) {
        return QLatin1String(key.fallback);
    }
    return QString::number(static_cast<qint64>(std::clamp(*value, low, high)));
}

}  // namespace

std::optional<qint16> toInt16(const QString& text) {
    return toInteger<qint16>(text);
}

std::optional<qint32> toInt32(const QString& text) {
    return toInteger<qint32>(text);
}

QString Settings::read(const Key& key) const {
    return store_.get(kApp, kSection, QLatin1String(key.name), QLatin1String(key.fallback));
}

QString Settings::readWidth() const {
    return withinRange(read(kWidth), kMinSize, kMaxWidth, kWidth);
}

QString Settings::readHeight() const {
    return withinRange(read(kHeight), kMinSize, kMaxHeight, kHeight);
}

QString Settings::readQuality() const {
    const auto quality = storedNumber(read(kQuality));
    if (!quality || *quality < 1 || *quality > kMaxQuality) {
        return QStringLiteral("100");
    }
    return QString::number(static_cast<int>(*quality));
}

QString Settings::readStartNumber() const {
    return withinRange(read(kNumbers), 0, std::numeric_limits<qint32>::max(), kNumbers);
}

void Settings::write(const Key& key, const QString& value) {
    store_.set(kApp, kSection, QLatin1String(key.name), value);
}

}  // namespace options
