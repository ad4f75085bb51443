// SPDX-License-Identifier: MIT
#include "options/thumbnail_options.h"

#include "engine/number_text.h"

#include <algorithm>
#include <limits>

namespace options {

namespace {

// A stored number, rounded as the boxes are read; none for text that is no finite number.
std::optional<double> storedNumber(const QString& text) {
    return engine::parseRoundedNumber(text.toStdString());
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
    return engine::parseInt16(text.toStdString());
}

std::optional<qint32> toInt32(const QString& text) {
    return engine::parseInt32(text.toStdString());
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
