// SPDX-License-Identifier: MIT
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "fixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using engine::samplePositions;
using engine::sampleThumbnail;
using engine_fixtures::coordinateOf;
using engine_fixtures::coordinatePicture;

namespace {

struct Sample {
    int thumb;   // column or row of the thumbnail
    int source;  // the source column or row it shows
};

// Hand-computed with single-precision steps accumulated by addition. At multiples of 7
// columns (and 11 rows) the exact product is a whole number the float sum falls just short
// of, so those samples take the pixel before it.
TEST(Sampling, Example400x300At110x130) {
    const QImage source = coordinatePicture(400, 300);
    const QImage thumb = sampleThumbnail(source, 112, 132);
    ASSERT_EQ(thumb.size(), QSize(110, 130));

    const Sample columns[] = {{0, 0}, {1, 3}, {2, 7}, {7, 25}, {28, 99}, {56, 199}, {109, 389}};
    const Sample rows[] = {{0, 0}, {1, 2}, {11, 25}, {66, 149}, {129, 293}};
    for (const Sample& col : columns) {
        for (const Sample& row : rows) {
            EXPECT_EQ(coordinateOf(thumb.pixel(col.thumb, row.thumb)),
                      QPoint(col.source, row.source))
                << "thumbnail pixel " << col.thumb << "," << row.thumb;
        }
    }
    // The grid's last two columns and rows (sources 392, 396 and 295, 297) fall on the frame.
    EXPECT_EQ(samplePositions(400, 112).size(), 112u);
    EXPECT_EQ(samplePositions(300, 132).size(), 132u);
}

TEST(Sampling, SavedThumbnailIsExactlyTheRequestedSize) {
    QTemporaryDir folder;
    const QString path = folder.filePath("thumb.bmp");
    const QImage thumb = sampleThumbnail(coordinatePicture(400, 300), 112, 132);
    ASSERT_TRUE(engine::writeBitmap(thumb, path));
    const QImage saved = engine::loadPicture(path);
    ASSERT_EQ(saved.size(), QSize(110, 130));
    EXPECT_EQ(saved, thumb);
    EXPECT_EQ(coordinateOf(saved.pixel(109, 129)), QPoint(389, 293));
}

TEST(Sampling, AspectRatioIsNeverKept) {
    const QImage thumb = sampleThumbnail(coordinatePicture(1000, 100), 102, 102);
    ASSERT_EQ(thumb.size(), QSize(100, 100));
    // Across, every tenth column or so; down, nearly every row, the first one twice.
    const Sample columns[] = {{1, 9}, {2, 19}, {50, 490}, {99, 970}};
    const Sample rows[] = {{0, 0}, {1, 0}, {2, 1}, {50, 49}, {99, 97}};
    for (const Sample& col : columns) {
        for (const Sample& row : rows) {
            EXPECT_EQ(coordinateOf(thumb.pixel(col.thumb, row.thumb)),
                      QPoint(col.source, row.source))
                << "thumbnail pixel " << col.thumb << "," << row.thumb;
        }
    }
}

// Exact arithmetic would give 181 samples (0, 0.05, ... 9.0); the single-precision sum
// passes 9 just before its 181st step, so the source's last column is never shown and the
// thumbnail's columns from 180 on stay black, as do its rows from 180 on.
TEST(Sampling, SmallSourceLeavesBlackRemainder) {
    const std::vector<int> positions = samplePositions(10, 200);
    ASSERT_EQ(positions.size(), 180u);
    EXPECT_EQ(positions.back(), 8);

    const QImage thumb = sampleThumbnail(coordinatePicture(10, 10), 200, 200);
    ASSERT_EQ(thumb.size(), QSize(198, 198));
    EXPECT_EQ(coordinateOf(thumb.pixel(0, 0)), QPoint(0, 0));
    EXPECT_EQ(coordinateOf(thumb.pixel(19, 20)), QPoint(0, 1));
    EXPECT_EQ(coordinateOf(thumb.pixel(179, 179)), QPoint(8, 8));
    const QRgb black = qRgb(0, 0, 0);
    for (int i = 0; i < 198; ++i) {
        for (int edge = 180; edge < 198; ++edge) {
            ASSERT_EQ(thumb.pixel(edge, i), black) << "column " << edge << " row " << i;
            ASSERT_EQ(thumb.pixel(i, edge), black) << "row " << edge << " column " << i;
        }
    }
}

TEST(Sampling, ZeroSizesGiveNothing) {
    EXPECT_TRUE(samplePositions(0, 112).empty());
    EXPECT_TRUE(samplePositions(400, 0).empty());
    EXPECT_TRUE(samplePositions(-3, 112).empty());
    const QImage source = coordinatePicture(40, 30);
    const QSize calls[] = {{0, 132}, {112, 0}, {2, 132}, {112, 2}, {1, 1}, {-5, 20}};
    for (const QSize& call : calls) {
        EXPECT_TRUE(sampleThumbnail(source, call.width(), call.height()).isNull())
            << call.width() << "x" << call.height();
    }
    EXPECT_TRUE(sampleThumbnail(QImage(), 112, 132).isNull());
    // The smallest thumbnail there is.
    EXPECT_EQ(sampleThumbnail(source, 3, 3).size(), QSize(1, 1));
}

}  // namespace

namespace {

// The window hands the engine images of any format, and images over memory of their own
// whose rows are padded; they are sampled and written as their RGB32 copies are.
TEST(Sampling, WindowImagesOfEveryFormatAndRowLayout) {
    const QImage rgb = coordinatePicture(41, 23);
    std::vector<uchar> memory(std::size_t(23) * (41 + 5) * 4);
    QImage padded(memory.data(), 41, 23, (41 + 5) * 4, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y) {
        std::copy_n(rgb.constScanLine(y), 41 * 4, padded.scanLine(y));
    }
    const struct {
        const char* name;
        QImage image;
    } cases[] = {
        {"rows padded", padded},
        {"RGB888", rgb.convertToFormat(QImage::Format_RGB888)},
        {"ARGB32, half transparent",
         [&] {
             QImage argb = rgb.convertToFormat(QImage::Format_ARGB32);
             argb.setPixel(3, 4, qRgba(200, 100, 50, 128));
             return argb;
         }()},
        {"indexed", rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage reference = c.image.convertToFormat(QImage::Format_RGB32).copy();
        ASSERT_EQ(reference.bytesPerLine(), 41 * 4);
        const QImage sampled = sampleThumbnail(c.image, 112, 132);
        ASSERT_FALSE(sampled.isNull());
        EXPECT_EQ(sampled, sampleThumbnail(reference, 112, 132));
        EXPECT_EQ(engine::encodeBitmap(c.image), engine::encodeBitmap(reference));
    }
}

}  // namespace
