// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

// One rule for the window's boxes, the stored options and the command line.
TEST(NumberText, OneRuleForEveryNumber) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> int32;
        std::optional<std::int16_t> int16;
    };
    const Case cases[] = {
        {"110", 110, 110},
        {"007", 7, 7},
        {"-3", -3, -3},
        {" +8 ", 8, 8},
        {"\t42\r\n", 42, 42},
        // Fractions round to the nearest whole number, a half to the even one.
        {"1.5", 2, 2},
        {"2.5", 2, 2},
        {"2.6", 3, 3},
        {"-0.5", 0, 0},
        {"-1.5", -2, -2},
        {".5", 0, 0},
        {"5.", 5, 5},
        {"1e2", 100, 100},
        // The limits, after rounding.
        {"2147483647", kMax32, std::nullopt},
        {"-2147483648", kMin32, std::nullopt},
        {"2147483648", std::nullopt, std::nullopt},
        {"2147483647.5", std::nullopt, std::nullopt},
        {"32767", 32767, 32767},
        {"32767.5", 32768, std::nullopt},
        {"-32768", -32768, -32768},
        {"99999999999999999999", std::nullopt, std::nullopt},
        {"1e400", std::nullopt, std::nullopt},
        // No number at all.
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"a1", std::nullopt, std::nullopt},
        {"1a", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"+-8", std::nullopt, std::nullopt},
        {"++8", std::nullopt, std::nullopt},
        {"--8", std::nullopt, std::nullopt},
        {"+", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(engine::parseInt32(c.text), c.int32) << '"' << c.text << '"';
        EXPECT_EQ(engine::parseInt16(c.text), c.int16) << '"' << c.text << '"';
    }
}

// The rounded number itself has no range: stored sizes far too large are clamped by their
// readers, not refused.
TEST(NumberText, RoundedNumberOfAnySize) {
    EXPECT_EQ(engine::parseRoundedNumber("99999999999"), 99999999999.0);
    EXPECT_EQ(engine::parseRoundedNumber(" -7.5 "), -8.0);
    EXPECT_EQ(engine::parseRoundedNumber("x"), std::nullopt);
}

}  // namespace
