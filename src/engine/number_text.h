// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How the program reads a number from text: the number boxes of the window, the stored
// options and the command line's arguments alike. The rule:
// - white space (space, tab, line breaks) around the number is allowed, none inside it;
// - the number is decimal, with an optional sign, an optional fraction and an optional
//   exponent ("42", "+8", "-3", "1.5", "1e2");
// - a fraction is rounded to the nearest whole number, a half to the even one ("1.5" and
//   "2.5" both read 2, "-0.5" reads 0): stored options have always been read this way, so
//   files written by hand or by older versions keep meaning what they meant;
// - anything else (empty text, letters, "inf", "0x10", a second sign) is no number, and so is
//   one outside the asked range after rounding.
namespace engine {

// The rounded number of any size; nothing when the text is no finite number.
std::optional<double> parseRoundedNumber(std::string_view text);

std::optional<std::int16_t> parseInt16(std::string_view text);
std::optional<std::int32_t> parseInt32(std::string_view text);

}  // namespace engine
