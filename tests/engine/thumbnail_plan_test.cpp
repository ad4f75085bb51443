// SPDX-License-Identifier: MIT
#include "engine/thumbnail_plan.h"
#include "engine/bitmap_encoder.h"
#include "engine/byte_source.h"
#include "engine/picture_file.h"
#include "engine/point_sampling.h"

#include <gtest/gtest.h>

#include <memory>

using engine::FitMode;
using engine::planThumbnail;
using engine::Size;
using engine::SourceRect;
using engine::ThumbnailBox;
using engine::ThumbnailPlan;

namespace {

struct PlanCase {
    const char* what;
    Size picture;
    ThumbnailBox box;
    FitMode mode;
    bool landscape;
    ThumbnailPlan expected;  // an invalid (default) plan where none is made
};

const PlanCase kPlans[] = {
    {"stretch takes the box as it is",
     {400, 300},
     {110, 130},
     FitMode::Stretch,
     false,
     {{0, 0, 400, 300}, 110, 130}},
    {"stretch swaps for a wide picture",
     {400, 300},
     {110, 130},
     FitMode::Stretch,
     true,
     {{0, 0, 400, 300}, 130, 110}},
    {"stretch, tall picture: no swap",
     {300, 400},
     {110, 130},
     FitMode::Stretch,
     true,
     {{0, 0, 300, 400}, 110, 130}},
    {"stretch needs both sides", {400, 300}, {110, 0}, FitMode::Stretch, false, {}},
    {"fit, wider than the box: the height shrinks (82.5 rounds up)",
     {400, 300},
     {110, 130},
     FitMode::Fit,
     false,
     {{0, 0, 400, 300}, 110, 83}},
    {"fit, taller than the box: the width shrinks",
     {300, 400},
     {200, 200},
     FitMode::Fit,
     false,
     {{0, 0, 300, 400}, 150, 200}},
    {"fit, same aspect: the box",
     {400, 300},
     {200, 150},
     FitMode::Fit,
     false,
     {{0, 0, 400, 300}, 200, 150}},
    {"fit, free height", {400, 300}, {200, 0}, FitMode::Fit, false, {{0, 0, 400, 300}, 200, 150}},
    {"fit, free width", {400, 300}, {0, 60}, FitMode::Fit, false, {{0, 0, 400, 300}, 80, 60}},
    {"fit, a sliver keeps one pixel",
     {10000, 1},
     {100, 100},
     FitMode::Fit,
     false,
     {{0, 0, 10000, 1}, 100, 1}},
    {"fit, a free side is held to the largest side",
     {1, 100000},
     {200, 0},
     FitMode::Fit,
     false,
     {{0, 0, 1, 100000}, 200, engine::kMaxPlannedSide}},
    {"fit enlarges a small picture",
     {20, 10},
     {200, 200},
     FitMode::Fit,
     false,
     {{0, 0, 20, 10}, 200, 100}},
    {"fit with landscape swaps the box first (to 200 x 100)",
     {400, 300},
     {100, 200},
     FitMode::Fit,
     true,
     {{0, 0, 400, 300}, 133, 100}},
    {"fill, wider: the centre columns",
     {400, 300},
     {100, 100},
     FitMode::Fill,
     false,
     {{50, 0, 300, 300}, 100, 100}},
    {"fill, taller: the centre rows",
     {300, 400},
     {150, 100},
     FitMode::Fill,
     false,
     {{0, 100, 300, 200}, 150, 100}},
    {"fill, odd margin: the extra pixel on the right",
     {401, 300},
     {100, 100},
     FitMode::Fill,
     false,
     {{50, 0, 300, 300}, 100, 100}},
    {"fill, same aspect: the whole picture",
     {400, 300},
     {200, 150},
     FitMode::Fill,
     false,
     {{0, 0, 400, 300}, 200, 150}},
    {"fill, free side: as fit",
     {400, 300},
     {0, 60},
     FitMode::Fill,
     false,
     {{0, 0, 400, 300}, 80, 60}},
    {"fill with landscape",
     {400, 300},
     {100, 200},
     FitMode::Fill,
     true,
     {{0, 50, 400, 200}, 200, 100}},
    {"fill, a sliver: at least one source column",
     {1, 10000},
     {100, 1},
     FitMode::Fill,
     false,
     {{0, 4999, 1, 1}, 100, 1}},
    {"no picture", {0, 300}, {100, 100}, FitMode::Fit, false, {}},
    {"no box", {400, 300}, {0, 0}, FitMode::Fill, false, {}},
};

TEST(ThumbnailPlan, SizeRuleForEveryMode) {
    for (const PlanCase& c : kPlans) {
        SCOPED_TRACE(c.what);
        const ThumbnailPlan plan = planThumbnail(c.picture, c.box, c.mode, c.landscape);
        EXPECT_EQ(plan.isValid(), c.expected.isValid());
        if (c.expected.isValid()) {
            EXPECT_EQ(plan, c.expected)
                << plan.source.x << "," << plan.source.y << " " << plan.source.width << "x"
                << plan.source.height << " -> " << plan.width << "x" << plan.height;
        }
    }
}

// The window's call size: the oriented box plus the frame, the same as a Stretch plan's where one
// is valid, and still a figure for the boxes no plan takes (0 reports "the width needs to be
// set", a negative one draws nothing).
TEST(ThumbnailPlan, CallSizeOfARequest) {
    struct CallCase {
        const char* what;
        engine::Size picture;
        int width;
        int height;
        bool landscape;
        engine::Size expected;
    };
    const CallCase cases[] = {
        {"portrait picture", {300, 400}, 110, 130, true, {112, 132}},
        {"landscape picture, option on: swapped", {400, 300}, 110, 130, true, {132, 112}},
        {"landscape picture, option off", {400, 300}, 110, 130, false, {112, 132}},
        {"square picture is no landscape", {300, 300}, 110, 130, true, {112, 132}},
        {"a box of 0", {400, 300}, 0, 130, false, {2, 132}},
        {"a box of -2: call size 0", {400, 300}, -2, 130, false, {0, 132}},
    };
    for (const CallCase& c : cases) {
        SCOPED_TRACE(c.what);
        const engine::ThumbnailRequest request{c.picture, c.width, c.height, c.landscape};
        EXPECT_EQ(callSize(request), c.expected);
        const ThumbnailPlan plan = planThumbnail(request);
        EXPECT_EQ(plan,
                  planThumbnail(c.picture, {c.width, c.height}, FitMode::Stretch, c.landscape));
        if (plan.isValid()) {
            EXPECT_EQ(engine::Size(plan.callWidth(), plan.callHeight()), c.expected);
        }
    }
}

// Every pixel says where it came from: x in red and blue, y in green.
engine::RgbImage coordinates(int width, int height) {
    engine::RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.row(y)[x] = engine::rgb(x & 0xFF, y, x >> 8);
        }
    }
    return image;
}

// Fit and fill sample their source rectangle exactly as stretch samples a whole picture of
// that size, offset to the rectangle; a decoder reading only those rows gives the same.
TEST(ThumbnailPlan, SampledPixelsFollowTheSourceRectangle) {
    const engine::RgbImage source = coordinates(300, 120);
    const engine::Bytes bmp = engine::encodeBitmap(source);
    for (const FitMode mode : {FitMode::Fit, FitMode::Fill}) {
        SCOPED_TRACE(mode == FitMode::Fit ? "fit" : "fill");
        const ThumbnailPlan plan = planThumbnail(source.size(), {50, 50}, mode, false);
        const engine::RgbImage thumb = engine::sampleThumbnail(source, plan);
        ASSERT_EQ(thumb.size(), Size(plan.width, plan.height));
        const std::vector<int> columns =
            engine::samplePositions(plan.source.width, plan.callWidth());
        const std::vector<int> rows =
            engine::samplePositions(plan.source.height, plan.callHeight());
        ASSERT_GE(columns.size(), std::size_t(plan.width));
        ASSERT_GE(rows.size(), std::size_t(plan.height));
        for (int y = 0; y < plan.height; ++y) {
            for (int x = 0; x < plan.width; ++x) {
                const engine::Rgb pixel = thumb.pixel(x, y);
                ASSERT_EQ(engine::redOf(pixel) + 256 * engine::blueOf(pixel),
                          plan.source.x + columns[std::size_t(x)]);
                ASSERT_EQ(engine::greenOf(pixel), plan.source.y + rows[std::size_t(y)]);
            }
        }
        const auto decoder = engine::openPicture(std::make_unique<engine::MemorySource>(
            std::span<const std::uint8_t>(bmp.data(), bmp.size())));
        ASSERT_TRUE(decoder);
        EXPECT_EQ(engine::readThumbnail(*decoder, plan), thumb);
    }
    // The box of each: fit 50 x 20, fill 50 x 50 from the centre 120 x 120.
    EXPECT_EQ(planThumbnail(source.size(), {50, 50}, FitMode::Fit, false).height, 20);
    EXPECT_EQ(planThumbnail(source.size(), {50, 50}, FitMode::Fill, false).source,
              (SourceRect{90, 0, 120, 120}));
}

}  // namespace
