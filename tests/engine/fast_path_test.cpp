// SPDX-License-Identifier: MIT
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "fixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

using namespace engine_fixtures;

namespace {

// Call sizes that enlarge, shrink, and take repeated rows and columns.
const QSize kCalls[] = {{112, 132}, {42, 402}, {282, 12}, {3, 3}};

class FastPath : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes, const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    // The row-reading thumbnail equals sampling the whole decoded picture.
    static void expectSameAsFullDecode(const QString& path, QSize size) {
        const QImage whole = engine::loadPicture(path);
        ASSERT_EQ(whole.size(), size);
        EXPECT_EQ(pictureSizeOf(path), size);
        for (const QSize& call : kCalls) {
            SCOPED_TRACE(testing::Message() << "call " << call.width() << "x" << call.height());
            const QImage expected = engine::sampleThumbnail(whole, call.width(), call.height());
            const QImage fast = engine::thumbnailOfFile(path, call.width(), call.height());
            ASSERT_FALSE(fast.isNull());
            EXPECT_EQ(fast, expected);
        }
    }

    QTemporaryDir folder;
};

struct JpegCase {
    const char* name;
    QSize size;
    JpegFixture options;
};

TEST_F(FastPath, JpegScanlineSkippingGivesTheFullDecodePixels) {
    const JpegCase cases[] = {
        {"4:2:0", {640, 480}, {2, 2, false, false, 0, 90}},
        {"4:2:2", {640, 480}, {2, 1, false, false, 0, 90}},
        {"4:4:0", {640, 480}, {1, 2, false, false, 0, 90}},
        {"4:4:4", {640, 480}, {1, 1, false, false, 0, 90}},
        {"greyscale", {640, 480}, {1, 1, true, false, 0, 90}},
        {"restart markers every MCU", {640, 480}, {2, 2, false, false, 1, 90}},
        {"restart markers every 7 MCUs", {333, 217}, {2, 1, false, false, 7, 90}},
        {"odd size 4:2:0", {333, 217}, {2, 2, false, false, 0, 90}},
        {"odd size 4:4:4", {1001, 75}, {1, 1, false, false, 0, 90}},
        {"smaller than the thumbnail", {37, 23}, {2, 2, false, false, 0, 90}},
        {"one pixel", {1, 1}, {2, 2, false, false, 0, 90}},
        {"progressive", {333, 217}, {2, 2, false, true, 0, 90}},
    };
    for (const JpegCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = photographicPicture(c.size.width(), c.size.height());
        const QByteArray jpeg = encodeJpegFixture(picture, c.options);
        ASSERT_FALSE(jpeg.isEmpty());
        expectSameAsFullDecode(write(jpeg, "picture.jpg"), c.size);
    }
}

TEST_F(FastPath, BmpRowReadingGivesTheFullDecodePixels) {
    const QImage picture = photographicPicture(333, 217);
    expectSameAsFullDecode(write(engine::encodeBitmap(picture), "bottom-up.bmp"), {333, 217});
    expectSameAsFullDecode(write(engine::encodeBitmap(coordinatePicture(37, 23)), "small.bmp"),
                           {37, 23});

    // Every depth, since only the sampled columns of a row are converted.
    const struct {
        const char* name;
        int height;
        int bits;
        std::uint32_t compression;
        std::vector<std::uint32_t> masks;
    } depths[] = {
        {"8 bits, top-down", -199, 8, 0, {}},
        {"1 bit", 199, 1, 0, {}},
        {"4 bits", 199, 4, 0, {}},
        {"16 bits 5-6-5", -199, 16, 3, {0xF800, 0x07E0, 0x001F}},
        {"32 bits", 199, 32, 0, {}},
    };
    for (const auto& depth : depths) {
        SCOPED_TRACE(depth.name);
        BmpFixture bmp{301, depth.height, depth.bits, depth.compression, 40, {}, depth.masks, {}};
        const int colours = depth.bits <= 8 ? 1 << depth.bits : 0;
        for (int i = 0; i < colours; ++i) {
            bmp.palette.push_back(qRgb(i * 255 / (colours - 1), 255 - i, (i * 7) & 0xFF));
        }
        const std::uint32_t mask = depth.bits == 32 ? 0xFFFFFFu : (1u << depth.bits) - 1;
        for (std::uint32_t i = 0; i < 301 * 199; ++i) {
            bmp.pixels.push_back((i * 2654435761u >> 7) & mask);
        }
        expectSameAsFullDecode(write(encodeBmpFixture(bmp), "depth.bmp"), {301, 199});
    }
}

TEST_F(FastPath, GifDecodesWhole) {
    QImage picture(50, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 50; ++x) {
            picture.setPixel(x, y, qRgb((x * 5) & 0xF0, (y * 6) & 0xF0, 0x80));
        }
    }
    const QString path = write(encodeGifFixture(picture), "picture.gif");
    EXPECT_EQ(engine::loadPicture(path), picture);
    expectSameAsFullDecode(path, {50, 40});
}

// Metadata the decoder skips (camera data, previews) can be larger than what it reads at once.
TEST_F(FastPath, JpegSkipsLargeMetadata) {
    const QImage picture = photographicPicture(97, 61);
    const QByteArray plain = encodeJpegFixture(picture, {});
    QByteArray segments;
    for (const int length : {65533, 40000, 65533}) {
        // End-of-image markers inside: a wrong skip lands on one.
        segments += QByteArray("\xFF\xE1", 2) + char(((length + 2) >> 8) & 0xFF) +
                    char((length + 2) & 0xFF) + QByteArray("\xFF\xD9", 2).repeated(length / 2) +
                    QByteArray(length % 2, '\0');
    }
    const QString path = write(plain.left(2) + segments + plain.mid(2), "metadata.jpg");
    const QImage expected = engine::loadPicture(write(plain, "plain.jpg"));
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(engine::loadPicture(path), expected);
    expectSameAsFullDecode(path, {97, 61});
}

// The decoder's colours are right, not only self-consistent.
TEST_F(FastPath, JpegDecodesCloseToWhatWasEncoded) {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(220, 120, 20));
    for (const JpegFixture& options :
         {JpegFixture{2, 2, false, false, 0, 95}, JpegFixture{1, 1, false, true, 0, 95}}) {
        const QImage decoded =
            engine::loadPicture(write(encodeJpegFixture(picture, options), "flat.jpg"));
        ASSERT_EQ(decoded.size(), picture.size());
        const QRgb centre = decoded.pixel(30, 20);
        EXPECT_NEAR(qRed(centre), 220, 3);
        EXPECT_NEAR(qGreen(centre), 120, 3);
        EXPECT_NEAR(qBlue(centre), 20, 3);
    }
}

TEST_F(FastPath, UnreadableFilesGiveNothing) {
    const QByteArray jpeg = encodeJpegFixture(photographicPicture(64, 48), {});
    // A frame header claiming 60000 x 60000 pixels: refused before any decoding.
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xEA), huge[sof + 6] = char(0x60);
    huge[sof + 7] = char(0xEA), huge[sof + 8] = char(0x60);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"text", "just some words"},
        {"a PNG", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x')},
        {"JPEG cut inside its header", jpeg.left(120)},
        {"JPEG claiming 60000 x 60000", huge},
        {"GIF signature only", "GIF89a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = write(c.bytes, "bad.jpg");
        EXPECT_TRUE(engine::loadPicture(path).isNull());
        EXPECT_TRUE(engine::thumbnailOfFile(path, 112, 132).isNull());
        EXPECT_FALSE(pictureSizeOf(path).isValid());
    }
    EXPECT_TRUE(engine::loadPicture(folder.filePath("absent.jpg")).isNull());
    EXPECT_TRUE(engine::thumbnailOfFile(folder.filePath("absent.jpg"), 112, 132).isNull());
    // A JPEG cut after its header still decodes (grey where data is missing), in both ways.
    expectSameAsFullDecode(write(jpeg.left(jpeg.size() / 2), "half.jpg"), {64, 48});
}

}  // namespace

namespace {

TEST_F(FastPath, SeveralThreadsAtOnceGiveTheSameThumbnails) {
    std::vector<QString> paths;
    for (int i = 0; i < 4; ++i) {
        const QImage picture = photographicPicture(300 + 10 * i, 200, unsigned(i));
        paths.push_back(i % 2 ? write(engine::encodeBitmap(picture), QString("p%1.bmp").arg(i))
                              : write(encodeJpegFixture(picture, {}), QString("p%1.jpg").arg(i)));
    }
    std::vector<QImage> alone;
    for (const QString& path : paths) {
        alone.push_back(engine::thumbnailOfFile(path, 112, 132));
    }
    std::vector<QImage> together(paths.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        threads.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round) {
                together[i] = engine::thumbnailOfFile(paths[i], 112, 132);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(together, alone);
}

}  // namespace
