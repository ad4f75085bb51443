// SPDX-License-Identifier: MIT
#include "options/thumbnail_options.h"

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

void Settings::write(const Key& key, const QString& value) {
    store_.set(kApp, kSection, QLatin1String(key.name), value);
}

}  // namespace options
