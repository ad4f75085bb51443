// SPDX-License-Identifier: MIT
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/bmp_to_jpg.h"
#include "engine/qt/imaging.h"
#include "engine/qt/jpeg_encoder_qt.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "fixtures.h"
#include "support/scripted_dialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using engine::BmpToJpg;
using engine::ConvertStatus;
using namespace engine_fixtures;

namespace {

// Largest difference of any channel of any pixel.
int maxDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

class Conversion : public ::testing::Test {
  protected:
    void TearDown() override { dialogs.verifyAndReset(); }

    // A thumbnail written as the output stage writes it, under `name`.
    QString writeThumbnail(const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(engine::writeBitmap(thumb, path));
        return path;
    }

    QTemporaryDir folder;
    testing_support::VirtualEventLoop loop;
    testing_support::ScriptedDialogs dialogs{loop};
    const QImage thumb = engine::sampleThumbnail(photographicPicture(400, 300), 112, 132);
};

TEST_F(Conversion, JpgAndGifTypesReplaceTheBitmapWithJpegData) {
    for (const char* name : {"photo.jpg", "photo.gif"}) {
        SCOPED_TRACE(name);
        const QString path = writeThumbnail(name);
        ASSERT_EQ(BmpToJpg(path, path, "100", dialogs), ConvertStatus::Converted);
        const QByteArray bytes = readFile(path);
        ASSERT_GE(bytes.size(), 2);
        EXPECT_EQ(std::uint8_t(bytes[0]), 0xFF);
        EXPECT_EQ(std::uint8_t(bytes[1]), 0xD8);
        EXPECT_FALSE(bytes.startsWith("GIF8"));
        const QImage back = engine::loadPicture(path);
        ASSERT_EQ(back.size(), QSize(110, 130));
        EXPECT_EQ(bytes, engine::encodeJpeg(thumb, 100));  // the same encoder as the command line
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Conversion, QualityTextIsReadAsAWholeNumber) {
    const QByteArray at75 = engine::encodeJpeg(thumb, 75);
    const QByteArray at74 = engine::encodeJpeg(thumb, 74);
    ASSERT_NE(at75, at74);
    const struct {
        const char* text;
        const QByteArray& expected;
    } cases[] = {
        {"75", at75}, {" 75 ", at75}, {"74.5", at74}, {"75.5", engine::encodeJpeg(thumb, 76)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString path = writeThumbnail("q.jpg");
        ASSERT_EQ(BmpToJpg(path, path, c.text, dialogs), ConvertStatus::Converted);
        EXPECT_EQ(readFile(path), c.expected);
    }
}

TEST_F(Conversion, UnusableQualityLeavesTheBitmapUntouched) {
    const struct {
        const char* text;
        ConvertStatus status;
    } cases[] = {
        {"", ConvertStatus::BadQuality},     {"  ", ConvertStatus::BadQuality},
        {"high", ConvertStatus::BadQuality}, {"40000", ConvertStatus::BadQuality},
        {"0", ConvertStatus::NotSaved},      {"101", ConvertStatus::NotSaved},
        {"-5", ConvertStatus::NotSaved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString path = writeThumbnail("photo.jpg");
        const QByteArray bitmap = readFile(path);
        EXPECT_EQ(BmpToJpg(path, path, c.text, dialogs), c.status);
        EXPECT_EQ(readFile(path), bitmap);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Conversion, OneBitBitmapIsWidenedBeforeEncoding) {
    // Two colours that are not black and white, so a lost palette would show.
    BmpFixture bmp{16, 8, 1, 0, 40, {qRgb(200, 30, 30), qRgb(30, 30, 200)}, {}, {}};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            bmp.pixels.push_back(x < 8 ? 0 : 1);
        }
    }
    const QString path = folder.filePath("mono.jpg");
    ASSERT_TRUE(writeFile(path, encodeBmpFixture(bmp)));
    ASSERT_EQ(BmpToJpg(path, path, "100", dialogs), ConvertStatus::Converted);
    const QImage back = engine::loadPicture(path);
    ASSERT_EQ(back.size(), QSize(16, 8));
    QImage expected(16, 8, QImage::Format_RGB32);
    expected.fill(qRgb(200, 30, 30));
    for (int y = 0; y < 8; ++y) {
        for (int x = 8; x < 16; ++x) {
            expected.setPixel(x, y, qRgb(30, 30, 200));
        }
    }
    EXPECT_LE(maxDifference(back, expected), 8);

    using namespace engine::imaging;
    ImageDescriptor mono;
    ImageDescriptor wide;
    ASSERT_EQ(allocimage(mono, 16, 8, 1), 0);
    ASSERT_TRUE(writeFile(path, encodeBmpFixture(bmp)));
    ASSERT_EQ(loadbmp(path, mono), 0);
    ASSERT_EQ(allocimage(wide, 16, 8, 8), 0);
    convert1bitto8bit(mono, wide);
    EXPECT_EQ(wide.buffer.pixelIndex(3, 2), 0);
    EXPECT_EQ(wide.buffer.pixelIndex(12, 2), 1);
    EXPECT_EQ(wide.buffer.convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(Conversion, OtherDepthsAreHandled) {
    const BmpFixture cases[] = {
        {2, 2, 16, 0, 40, {}, {}, {0x7C00, 0x03E0, 0x001F, 0x7FFF}},
        {2, 2, 32, 0, 40, {}, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}},
        {2,
         -2,
         8,
         0,
         40,
         {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
         {},
         {0, 1, 2, 3}},
        {2,
         2,
         4,
         0,
         40,
         {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
         {},
         {0, 1, 2, 3}},
    };
    for (const BmpFixture& bmp : cases) {
        SCOPED_TRACE(bmp.bitsPerPixel);
        const QString path = folder.filePath("depth.jpg");
        ASSERT_TRUE(writeFile(path, encodeBmpFixture(bmp)));
        const QImage before = engine::loadPicture(path);
        ASSERT_EQ(BmpToJpg(path, path, "100", dialogs), ConvertStatus::Converted);
        const QImage after = engine::loadPicture(path);
        ASSERT_EQ(after.size(), QSize(2, 2));
        // Four saturated colours in one block: JPEG keeps them only roughly.
        EXPECT_LE(maxDifference(before, after), 40);
    }
}

TEST_F(Conversion, UnreadableBitmapIsNotConverted) {
    const QString path = folder.filePath("broken.jpg");
    QByteArray bytes = engine::encodeBitmap(thumb);
    bytes.chop(100);
    ASSERT_TRUE(writeFile(path, bytes));
    EXPECT_EQ(BmpToJpg(path, path, "100", dialogs), ConvertStatus::NotAllocated);
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(BmpToJpg(folder.filePath("absent.bmp"), path, "100", dialogs),
              ConvertStatus::NotAllocated);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Conversion, DestinationThatCannotBeWrittenIsReported) {
    const QString source = writeThumbnail("photo.bmp");
    EXPECT_EQ(BmpToJpg(source, folder.filePath("no-such-folder/photo.jpg"), "90", dialogs),
              ConvertStatus::NotSaved);
}

}  // namespace
