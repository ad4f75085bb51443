// SPDX-License-Identifier: MIT
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/imaging.h"
#include "engine/qt/picture_file_qt.h"
#include "fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace engine_fixtures;

namespace {

class Bmp : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes, const QString& name = "picture.bmp") {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(Bmp, WrittenThenReadBackPixelEqual) {
    const QImage picture = coordinatePicture(37, 5);  // 111 bytes a row: padded to 112
    const QString path = folder.filePath("out.bmp");
    ASSERT_TRUE(engine::writeBitmap(picture, path));

    const QByteArray bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 54 + 112 * 5);
    EXPECT_TRUE(bytes.startsWith("BM"));
    engine::MemorySource source(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const auto layout = engine::bmp::readLayout(source);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->bitsPerPixel, 24);
    EXPECT_EQ(layout->compression, 0u);
    EXPECT_EQ(layout->pixelOffset, 54);
    EXPECT_FALSE(layout->topDown);

    EXPECT_EQ(engine::loadPicture(path), picture);
    // Another reader agrees on what was written.
    EXPECT_EQ(QImageReader(path, "bmp").read().convertToFormat(QImage::Format_RGB32), picture);
}

TEST_F(Bmp, FailedWriteKeepsTheOldFile) {
    const QString path = folder.filePath("missing-folder/out.bmp");
    EXPECT_FALSE(engine::writeBitmap(coordinatePicture(4, 4), path));
    EXPECT_FALSE(engine::writeBitmap(QImage(), folder.filePath("null.bmp")));
    EXPECT_FALSE(QFile::exists(folder.filePath("null.bmp")));
}

TEST_F(Bmp, ReplacingAFileKeepsItsPermissionsAndReplacesLinks) {
    const QString path = folder.filePath("thumb.bmp");
    ASSERT_TRUE(writeFile(path, "old"));
    const auto permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    const QImage picture = coordinatePicture(5, 3);
    ASSERT_TRUE(engine::writeBitmap(picture, path));
    EXPECT_EQ(engine::loadPicture(path), picture);
    const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(path) & ~userBits, permissions);

    // A link at the name is replaced by the thumbnail; what it pointed at stays as it was.
    const QString link = folder.filePath("link.bmp");
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(engine::writeBitmap(coordinatePicture(2, 2), link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(engine::loadPicture(link).size(), QSize(2, 2));
    EXPECT_EQ(engine::loadPicture(path), picture);
    // Nothing is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

struct LayoutCase {
    const char* name;
    BmpFixture bmp;
    std::vector<QRgb> expected;  // 3 x 2, top row first
};

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

std::vector<LayoutCase> layoutCases() {
    const std::vector<QRgb> palette = {kRed, kGreen, kBlue, kWhite};
    const std::vector<std::uint32_t> indices = {0, 1, 2, 3, 2, 1};
    const std::vector<QRgb> paletted = {kRed, kGreen, kBlue, kWhite, kBlue, kGreen};
    return {
        {"1 bit",
         {3, 2, 1, 0, 40, {kBlack, kWhite}, {}, {1, 0, 1, 0, 0, 1}},
         {kWhite, kBlack, kWhite, kBlack, kBlack, kWhite}},
        {"4 bits", {3, 2, 4, 0, 40, palette, {}, indices}, paletted},
        {"8 bits", {3, 2, 8, 0, 40, palette, {}, indices}, paletted},
        {"8 bits top-down", {3, -2, 8, 0, 40, palette, {}, indices}, paletted},
        {"8 bits, core header", {3, 2, 8, 0, 12, palette, {}, indices}, paletted},
        {"index beyond the palette",
         {3, 2, 8, 0, 40, palette, {}, {0, 1, 2, 3, 200, 4}},
         {kRed, kGreen, kBlue, kWhite, kBlack, kBlack}},
        {"16 bits 5-5-5",
         {3, 2, 16, 0, 40, {}, {}, {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0, 16 << 5}},
         {kRed, kGreen, kBlue, kWhite, kBlack, qRgb(0, 132, 0)}},
        {"16 bits 5-6-5 bit fields",
         {3,
          2,
          16,
          3,
          40,
          {},
          {0xF800, 0x07E0, 0x001F},
          {0xF800, 0x07E0, 0x001F, 0xFFFF, 0, 32 << 5}},
         {kRed, kGreen, kBlue, kWhite, kBlack, qRgb(0, 130, 0)}},
        {"16 bits 5-6-5 in a V5 header",
         {3, -2, 16, 3, 124, {}, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x07E0, 0x001F, 0xFFFF, 0, 0}},
         {kRed, kGreen, kBlue, kWhite, kBlack, kBlack}},
        {"24 bits",
         {3, 2, 24, 0, 40, {}, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080, 0}},
         {kRed, kGreen, kBlue, kWhite, kGrey, kBlack}},
        {"24 bits top-down",
         {3, -2, 24, 0, 40, {}, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080, 0}},
         {kRed, kGreen, kBlue, kWhite, kGrey, kBlack}},
        {"32 bits, alpha ignored",
         {3, 2, 32, 0, 40, {}, {}, {0x00FF0000, 0x8000FF00, 0xFF0000FF, 0xFFFFFF, 0x808080, 0}},
         {kRed, kGreen, kBlue, kWhite, kGrey, kBlack}},
        {"32 bits bit fields, blue first",
         {3,
          2,
          32,
          3,
          40,
          {},
          {0x000000FF, 0x0000FF00, 0x00FF0000},
          {0xFF, 0xFF00, 0xFF0000, 0xFFFFFF, 0x808080, 0}},
         {kRed, kGreen, kBlue, kWhite, kGrey, kBlack}},
    };
}

TEST_F(Bmp, ReadsEveryLayout) {
    for (const LayoutCase& c : layoutCases()) {
        SCOPED_TRACE(c.name);
        const QString path = write(encodeBmpFixture(c.bmp));
        const QImage picture = engine::loadPicture(path);
        ASSERT_EQ(picture.size(), QSize(3, 2));
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(picture.pixel(i % 3, i / 3), c.expected[std::size_t(i)]) << "pixel " << i;
        }
        EXPECT_EQ(pictureSizeOf(path), QSize(3, 2));
        // The adaptor reads the same pixels (handled as 24-bit, as BmpToJpg does for most).
        engine::imaging::ImageDescriptor image;
        ASSERT_EQ(engine::imaging::allocimage(image, 3, c.bmp.height, 24), 0);
        ASSERT_EQ(engine::imaging::loadbmp(path, image), 0);
        EXPECT_EQ(image.buffer.convertToFormat(QImage::Format_RGB32), picture);
    }
}

// A valid 24-bit 8 x 8 BMP and field patches that break it.
struct Hostile {
    const char* name;
    std::function<void(QByteArray&)> patch;
};

TEST_F(Bmp, HostileHeadersAreRefused) {
    const QByteArray valid = engine::encodeBitmap(coordinatePicture(8, 8));
    const Hostile cases[] = {
        {"huge width", [](QByteArray& b) { put32(b, 18, 0x7FFFFFFF); }},
        {"huge height", [](QByteArray& b) { put32(b, 22, 0x7FFFFFFF); }},
        {"negative width", [](QByteArray& b) { put32(b, 18, std::uint32_t(-8)); }},
        {"most negative height", [](QByteArray& b) { put32(b, 22, 0x80000000); }},
        {"zero width", [](QByteArray& b) { put32(b, 18, 0); }},
        {"zero height", [](QByteArray& b) { put32(b, 22, 0); }},
        {"40000 x 40000", [](QByteArray& b) { put32(b, 18, 40000), put32(b, 22, 40000); }},
        {"more pixels than the file holds", [](QByteArray& b) { put32(b, 22, 9); }},
        {"truncated pixels", [](QByteArray& b) { b.chop(30); }},
        {"truncated header", [](QByteArray& b) { b.truncate(30); }},
        {"pixel offset beyond the file", [](QByteArray& b) { put32(b, 10, 0x7FFFFFF0); }},
        {"pixel offset inside the header", [](QByteArray& b) { put32(b, 10, 20); }},
        {"pixel offset wraps", [](QByteArray& b) { put32(b, 10, 0xFFFFFFFF); }},
        {"zero planes", [](QByteArray& b) { put16(b, 26, 0); }},
        {"two planes", [](QByteArray& b) { put16(b, 26, 2); }},
        {"7 bits per pixel", [](QByteArray& b) { put16(b, 28, 7); }},
        {"0 bits per pixel", [](QByteArray& b) { put16(b, 28, 0); }},
        {"run-length compression", [](QByteArray& b) { put32(b, 30, 1); }},
        {"unknown compression", [](QByteArray& b) { put32(b, 30, 0xDEAD); }},
        {"bit fields at 24 bits", [](QByteArray& b) { put32(b, 30, 3); }},
        {"header size 0", [](QByteArray& b) { put32(b, 14, 0); }},
        {"header size beyond the file", [](QByteArray& b) { put32(b, 14, 0xFFFFFF00); }},
        {"header size 64", [](QByteArray& b) { put32(b, 14, 64); }},
        {"not a BMP", [](QByteArray& b) { b[0] = 'X'; }},
        {"8 bits with the palette cut off",
         [](QByteArray& b) { put16(b, 28, 8), put32(b, 46, 256), b.truncate(54 + 100); }},
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = valid;
        c.patch(bytes);
        const QString path = write(bytes);
        EXPECT_TRUE(engine::loadPicture(path).isNull());
        EXPECT_FALSE(pictureSizeOf(path).isValid());
        EXPECT_TRUE(engine::thumbnailOfFile(path, 112, 132).isNull());
        engine::imaging::BitmapInfoHeader header;
        EXPECT_NE(engine::imaging::bmpinfo(path, header), 0);
        EXPECT_EQ(header.biWidth, 0);
        EXPECT_EQ(header.biBitCount, 0);
        // Even with a buffer of the size it claims, the adaptor refuses to read it.
        engine::imaging::ImageDescriptor image;
        ASSERT_EQ(engine::imaging::allocimage(image, 8, 8, 24), 0);
        EXPECT_NE(engine::imaging::loadbmp(path, image), 0);
    }
}

TEST_F(Bmp, AdaptorRefusesWhatDoesNotFit) {
    using namespace engine::imaging;
    ImageDescriptor image;
    EXPECT_NE(allocimage(image, 0, 8, 24), 0);
    EXPECT_NE(allocimage(image, 8, 0, 24), 0);
    EXPECT_NE(allocimage(image, 8, 8, 16), 0);
    EXPECT_NE(allocimage(image, 100000, 100000, 24), 0);
    EXPECT_TRUE(image.buffer.isNull());

    const QString path = write(engine::encodeBitmap(coordinatePicture(8, 8)));
    ASSERT_EQ(allocimage(image, 8, 7, 24), 0);
    EXPECT_EQ(loadbmp(path, image), kMismatch);
    ASSERT_EQ(allocimage(image, 8, 8, 8), 0);
    EXPECT_EQ(loadbmp(path, image), kMismatch);  // 24-bit pixels do not fit 8 bits
    EXPECT_EQ(loadbmp(folder.filePath("absent.bmp"), image), kCantOpen);
}

}  // namespace
