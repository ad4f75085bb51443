// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace engine {

namespace {

template <typename Int>
std::optional<Int> parseInteger(std::string_view text) {
    const std::optional<double> value = parseRoundedNumber(text);
    if (!value || *value < double(std::numeric_limits<Int>::min()) ||
        *value > double(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(*value);
}

}  // namespace

std::optional<double> parseRoundedNumber(std::string_view text) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kSpace) + 1 - first);
    // from_chars takes a minus sign only.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [stop, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || stop != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return std::nearbyint(value);  // the default rounding mode: half to even
}

std::optional<std::int16_t> parseInt16(std::string_view text) {
    return parseInteger<std::int16_t>(text);
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
    return parseInteger<std::int32_t>(text);
}

}  // namespace engine
