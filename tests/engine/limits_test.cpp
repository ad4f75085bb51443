// SPDX-License-Identifier: MIT
// Hostile pictures: each is refused with its reason before it costs much, or read within the
// bounds. Their peak memory on full-size bombs is measured by `make bench`.
#include "engine/picture_file.h"
#include "engine/picture_limits.h"
#include "engine/point_sampling.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "engine/qt/rgb_image_qt.h"
#include "fixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

using namespace engine_fixtures;

namespace {

class Limits : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes, const QString& name = "picture") {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
    static std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
    // The reason the picture gives for failing to become a thumbnail; empty when it does.
    static std::string refusal(const QString& path) {
        std::string error;
        const engine::RgbImage thumbnail = engine::readThumbnail(native(path), 112, 132, &error);
        return thumbnail.isNull() ? error : std::string();
    }
    QTemporaryDir folder;
};

QByteArray progressiveJpeg(int width, int height, bool grey = false) {
    JpegFixture options;
    options.progressive = true;
    options.grey = grey;
    options.hSample = options.vSample = 1;
    return encodeJpegFixture(photographicPicture(width, height), options);
}

BmpFixture bitmap(int width, int height, int bits) {
    BmpFixture bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitsPerPixel = bits;
    if (bits <= 8) {
        for (int i = 0; i < (1 << bits); ++i) {
            bmp.palette.push_back(qRgb(i * 37 % 256, 255 - i, i * 91 % 256));
        }
    }
    const std::uint32_t limit = bits <= 8 ? (1u << bits) : bits == 16 ? 0x8000u : 0x1000000u;
    for (int i = 0; i < width * height; ++i) {
        bmp.pixels.push_back(std::uint32_t(i) * 2654435761u % limit);
    }
    return bmp;
}

struct ReasonCase {
    const char* name;
    QByteArray bytes;
    std::string reason;
};

TEST_F(Limits, EveryRefusalSaysWhy) {
    const QByteArray jpeg = encodeJpegFixture(photographicPicture(24, 16), {});
    BmpFixture rle = bitmap(4, 4, 8);
    rle.compression = 1;
    BmpFixture rle4 = bitmap(4, 4, 4);
    rle4.compression = 2;
    QImage few(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            few.setPixel(x, y, qRgb(x * y % 7 * 30, 0, 0));
        }
    }
    const QByteArray gif = encodeGifFixture(few);
    QByteArray huge = encodeBmpFixture(bitmap(2, 2, 24));
    put32(huge, 18, 20000), put32(huge, 22, 20000);
    const ReasonCase cases[] = {
        {"a zero-byte file", {}, "empty file"},
        {"text", "just some words", "not a BMP, JPEG, GIF, PNG or WebP picture"},
        {"an RLE8 bitmap", encodeBmpFixture(rle), "unsupported BMP compression RLE8"},
        {"an RLE4 bitmap", encodeBmpFixture(rle4), "unsupported BMP compression RLE4"},
        {"a bitmap of 20000 x 20000", huge, "picture too large: 20000 x 20000"},
        {"a bitmap cut short", encodeBmpFixture(bitmap(8, 8, 24)).left(100),
         "damaged BMP: the pixel data is cut short"},
        {"a 12-bit JPEG", withPrecision(jpeg, 12), "unsupported JPEG: 12-bit samples"},
        {"a lossless JPEG", withFrameType(jpeg, 0xC3), "unsupported JPEG: lossless"},
        {"a JPEG of 30000 x 30000", withClaimedSize(jpeg, 30000, 30000),
         "picture too large: 30000 x 30000"},
        {"a JPEG cut in its headers", jpeg.left(20),
         "damaged JPEG: JPEG datastream contains no image"},
        {"a GIF without a frame", QByteArray("GIF89a\x02\x00\x02\x00\x00\x00\x00;", 14),
         "GIF holds no picture"},
        {"a GIF cut in its picture data", gif.chopped(20),
         "damaged GIF: cut short in the picture data"},
    };
    for (const ReasonCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(refusal(write(c.bytes)), c.reason);
    }
}

TEST_F(Limits, OnlyRegularFilesAreOpenedAndAFifoAnswersAtOnce) {
    const QString fifo = folder.filePath("pipe.jpg");
    ASSERT_EQ(::mkfifo(native(fifo).c_str(), 0644), 0);
    // Without a writer, opening it the usual way would wait for ever.
    EXPECT_EQ(refusal(fifo), "is a FIFO, not a picture");
    EXPECT_TRUE(engine::loadPicture(fifo).isNull());
    EXPECT_EQ(refusal(folder.path()), "is a folder, not a picture");
    EXPECT_EQ(refusal(folder.filePath("absent.jpg")), "no such file");
    EXPECT_EQ(refusal("/dev/zero"), "is a device, not a picture");
}

// A scan costs a pass over the whole picture; encoders write about ten.
TEST_F(Limits, ProgressiveJpegsWithTooManyScansAreRefusedBeforeDecoding) {
    const QByteArray plain = progressiveJpeg(64, 48);
    const QString many = write(withEmptyScans(plain, 150), "many.jpg");
    EXPECT_EQ(refusal(many), "unsupported JPEG: more than 100 scans");
    EXPECT_TRUE(engine::loadPicture(many).isNull());
    // Well above what encoders write, still under the limit: read.
    EXPECT_EQ(engine::loadPicture(write(withEmptyScans(plain, 60), "sixty.jpg")).size(),
              QSize(64, 48));
}

// The coefficients of a multi-scan file are held whole: a small file claiming a large picture
// would take 768 MiB for them. It is refused before anything is allocated.
TEST_F(Limits, ProgressiveJpegsClaimingALargePictureStayWithinTheBudget) {
    const QString claim = write(withClaimedSize(progressiveJpeg(16, 16), 16384, 8192), "claim.jpg");
    EXPECT_LT(QFile(claim).size(), 2000);
    EXPECT_EQ(refusal(claim),
              "picture too large: 16384 x 8192 (a multi-scan JPEG of that size needs 768 MiB)");

    // One that fits is decoded: what its data does not cover comes out grey.
    const QString grey = write(withClaimedSize(progressiveJpeg(16, 16, true), 2048, 1024), "g.jpg");
    std::string error;
    const engine::RgbImage thumbnail = engine::readThumbnail(native(grey), 112, 132, &error);
    ASSERT_FALSE(thumbnail.isNull()) << error;
    EXPECT_EQ(thumbnail.pixel(100, 100), engine::rgb(128, 128, 128));
}

TEST_F(Limits, TheBudgetIsSharedAndNeverWaitsForItself) {
    const std::int64_t budget = engine::decodeBudget();
    EXPECT_FALSE(engine::MemoryReservation(budget + 1).isHeld());
    engine::MemoryReservation half(budget / 2 + 1);
    ASSERT_TRUE(half.isHeld());
    EXPECT_FALSE(engine::MemoryReservation(budget / 2 + 1).isHeld())
        << "this thread holds the rest: it must not wait for itself";
    EXPECT_TRUE(engine::MemoryReservation(budget / 4).isHeld());
    // Another thread waits until the share comes back.
    bool held = false;
    std::thread other([&] { held = engine::MemoryReservation(budget).isHeld(); });
    half = engine::MemoryReservation();
    other.join();
    EXPECT_TRUE(held);
}

// A thumbnail reads only the columns it takes: of a very wide row, only their bytes.
TEST_F(Limits, VeryWideBitmapsGiveTheSamePixelsAsTheWholePicture) {
    const struct {
        int width;
        int bits;
    } cases[] = {{600000, 1}, {140000, 4}, {70000, 8}, {35000, 16}, {25000, 24}, {17000, 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        const QString path = write(encodeBmpFixture(bitmap(c.width, 3, c.bits)), "wide.bmp");
        const QImage whole = engine::loadPicture(path);
        ASSERT_FALSE(whole.isNull());
        std::string error;
        const engine::RgbImage thumbnail = engine::readThumbnail(native(path), 112, 132, &error);
        ASSERT_FALSE(thumbnail.isNull()) << error;
        EXPECT_EQ(engine::toQImage(thumbnail), engine::sampleThumbnail(whole, 112, 132));
    }
}

// A 35-byte GIF claiming 65535 x 2048: its thumbnail holds one row at a time, not the frame.
TEST_F(Limits, ALargeGifClaimIsReadRowByRow) {
    const QByteArray claim(
        "GIF89a\xFF\xFF\x00\x08\x80\x00\x00"
        "\x00\x00\x00\xFF\xFF\xFF"
        ",\x00\x00\x00\x00\xFF\xFF\x00\x08\x00"
        "\x02\x02\x4C\x01\x00;",
        35);
    std::string error;
    const engine::RgbImage thumbnail =
        engine::readThumbnail(native(write(claim, "claim.gif")), 112, 132, &error);
    ASSERT_FALSE(thumbnail.isNull()) << error;
    EXPECT_EQ(thumbnail.size(), engine::Size(110, 130));
    EXPECT_EQ(thumbnail.pixel(50, 50), engine::kBlack);
}

}  // namespace
