// SPDX-License-Identifier: MIT
#include "thumb_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <lcms2.h>
#include <webp/decode.h>
#include <webp/encode.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/picture_decoder.h"
#include "engine/point_sampling.h"
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/bmp_to_jpg.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "engine/qt/rgb_image_qt.h"
#include "support/scripted_dialogs.h"
#include "support/test_platform.h"
#include "support/virtual_event_loop.h"

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

class CorvelThumb : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    QString at(const QString& relative) const { return temp.filePath(relative); }

    // A picture with a different colour in every pixel, so a wrong sample shows.
    QString picture(const QString& relative, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
            }
        }
        return save(image, relative);
    }

    QString plain(const QString& relative, QColor colour, int width = 60, int height = 80) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return save(image, relative);
    }

    QString save(const QImage& image, const QString& relative) const {
        const QString path = at(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }

    QString junk(const QString& relative) const {
        const QString path = at(relative);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture at all");
        return path;
    }

    static Outcome run(const QStringList& arguments, bool progressBar = false) {
        std::vector<std::string> command;
        for (const QString& argument : arguments) {
            command.push_back(QFile::encodeName(argument).toStdString());
        }
        return run(command, progressBar);
    }

    // Arguments as bytes, the way main() receives them.
    static Outcome run(const std::vector<std::string>& arguments, bool progressBar = false) {
        std::vector<std::string> command{"corvel-thumb"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = thumb::runCommand(command, {out, err, progressBar});
        return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir temp;
};

struct NamingCase {
    QStringList options;
    QString file;
    QSize size;
    QByteArray magic;
};

TEST_F(CorvelThumb, NamesSizesAndFileTypes) {
    const QString source = picture("pics/photo.jpg", 400, 300);
    const NamingCase cases[] = {
        {{}, "photo.jpg", {110, 130}, "\xFF\xD8"},
        {{"--suffix", "_th", "-t", "bmp"}, "photo_th.bmp", {110, 130}, "BM"},
        {{"--prefix", "th_", "--type", "GIF"}, "th_photo.gif", {110, 130}, "\xFF\xD8"},
        {{"--number", "7", "-W", "50", "-H", "40"}, "photo_7.jpg", {50, 40}, "\xFF\xD8"},
        {{"--landscape", "-q", "60"}, "photo.jpg", {130, 110}, "\xFF\xD8"},
        // The swapped height may pass the height limit, as in the window.
        {{"--landscape", "-W", "280", "-H", "100", "-t", "bmp"}, "photo.bmp", {100, 280}, "BM"},
        // Sizes and modes: the picture is 400 x 300.
        {{"-s", "90x60"}, "photo.jpg", {90, 60}, "\xFF\xD8"},
        {{"--size=90"}, "photo.jpg", {90, 130}, "\xFF\xD8"},
        {{"-sx60", "--mode", "stretch"}, "photo.jpg", {110, 60}, "\xFF\xD8"},
        {{"--mode", "fit"}, "photo.jpg", {110, 83}, "\xFF\xD8"},
        {{"--mode", "FIT", "-s", "200x200"}, "photo.jpg", {200, 150}, "\xFF\xD8"},
        {{"--mode", "fit", "-s", "1200"}, "photo.jpg", {1200, 900}, "\xFF\xD8"},
        {{"--mode", "fit", "-s", "x90", "-t", "bmp"}, "photo.bmp", {120, 90}, "BM"},
        {{"--mode", "fill", "-s", "100x100"}, "photo.jpg", {100, 100}, "\xFF\xD8"},
        {{"--mode=fill", "-W", "300", "-H", "500"}, "photo.jpg", {300, 500}, "\xFF\xD8"},
        {{"--mode", "fill", "--landscape", "-s", "100x200"}, "photo.jpg", {200, 100}, "\xFF\xD8"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString dest = at(QString("out%1").arg(n++));
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const Outcome outcome = run(c.options + QStringList{"-o", dest, source});
        EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
        EXPECT_EQ(entries(dest), QStringList{c.file});
        const QString written = QDir(dest).filePath(c.file);
        EXPECT_TRUE(bytesOf(written).startsWith(c.magic));
        EXPECT_EQ(QImage(written).size(), c.size);
        EXPECT_TRUE(outcome.out.contains(source + " -> " + written)) << outcome.out.toStdString();
        EXPECT_TRUE(outcome.out.endsWith("1 written, 0 skipped, 0 failed\n"));
    }
}

TEST_F(CorvelThumb, SameFolderNamesBesideEachPicture) {
    const QString a = picture("a/photo.jpg", 40, 30);
    const QString b = picture("b/next.bmp", 30, 40);
    EXPECT_EQ(run({"--same-folder", "--number", "9", a, b}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(at("a/photo9.jpg")));
    EXPECT_TRUE(QFileInfo::exists(at("b/next10.jpg")));
    EXPECT_EQ(run({"--same-folder", "--suffix", "_th", "-t", "bmp", a}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(at("a/photo_th.bmp")));
}

// Fill samples the centre of the picture exactly as the engine's plan says.
TEST_F(CorvelThumb, FitAndFillPixelsAreTheEnginePlans) {
    const QString source = picture("pics/photo.bmp", 123, 77);
    const QImage loaded = engine::loadPicture(source).convertToFormat(QImage::Format_RGB32);
    const engine::RgbView pixels = engine::viewOf(loaded);
    for (const auto& [mode, fitMode] :
         {std::pair{"fit", engine::FitMode::Fit}, std::pair{"fill", engine::FitMode::Fill}}) {
        SCOPED_TRACE(mode);
        const QString dest = at(mode);
        ASSERT_EQ(run({"-t", "bmp", "--mode", mode, "-s", "40x40", "-o", dest, source}).status, 0);
        const engine::ThumbnailPlan plan =
            engine::planThumbnail(pixels.size(), {40, 40}, fitMode, false);
        EXPECT_EQ(bytesOf(dest + "/photo.bmp"),
                  engine::encodeBitmap(engine::toQImage(engine::sampleThumbnail(pixels, plan))));
    }
}

// A phone photo stored sideways, tagged to be turned 90 degrees clockwise: red on its stored
// left, blue on its right. Upright, red is on top; the thumbnail carries no tag.
TEST_F(CorvelThumb, TaggedPhotosComeOutUpright) {
    QImage sideways(80, 40, QImage::Format_RGB32);
    sideways.fill(Qt::blue);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            sideways.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    QByteArray jpeg = bytesOf(save(sideways, "plain.jpg"));
    // APP1 right after the start marker: "Exif", a little-endian TIFF header, IFD0 with the
    // orientation tag (SHORT, one value: 6).
    const QByteArray payload = QByteArray(
        "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0"
        "\x01\0\0\0\x06\0\0\0\0\0\0\0",
        32);
    const int length = int(payload.size()) + 2;
    jpeg.insert(2, QByteArray("\xFF\xE1") + char(length >> 8) + char(length & 0xFF) + payload);
    const QString photo = at("photo.jpg");
    testing_support::writeFile(photo, jpeg);

    ASSERT_EQ(run({"--mode", "fit", "-s", "100x100", "-t", "bmp", "-o", at("up"), photo}).status,
              0);
    const QImage up(at("up/photo.bmp"));
    ASSERT_EQ(up.size(), QSize(50, 100));
    EXPECT_GT(qRed(up.pixel(25, 10)), 200);
    EXPECT_GT(qBlue(up.pixel(25, 90)), 200);
    // Stretch turns it too: the box meets the upright picture.
    ASSERT_EQ(run({"-s", "60x90", "-t", "bmp", "-o", at("stretch"), photo}).status, 0);
    EXPECT_GT(qRed(QImage(at("stretch/photo.bmp")).pixel(30, 5)), 200);

    ASSERT_EQ(run({"--no-auto-orient", "--mode", "fit", "-s", "100x100", "-t", "bmp", "-o",
                   at("stored"), photo})
                  .status,
              0);
    const QImage stored(at("stored/photo.bmp"));
    ASSERT_EQ(stored.size(), QSize(100, 50));
    EXPECT_GT(qRed(stored.pixel(10, 25)), 200);
    EXPECT_GT(qBlue(stored.pixel(90, 25)), 200);

    ASSERT_EQ(run({"-o", at("jpg"), photo}).status, 0);
    EXPECT_FALSE(bytesOf(at("jpg/photo.jpg")).contains("Exif")) << "the tag is not copied";
}

// An RGB profile with the D65 white point, `primaries` and `curve` (taken) on every channel.
QByteArray rgbProfile(const cmsCIExyYTRIPLE& primaries, cmsToneCurve* curve) {
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(int(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

// An Adobe RGB (1998) profile, as cameras embed it.
QByteArray adobeRgbProfile() {
    return rgbProfile({{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}},
                      cmsBuildGamma(nullptr, 563.0 / 256.0));
}

// A Display P3 profile as phones embed it: the P3 primaries, D65, the sRGB tone curve.
QByteArray displayP3Profile() {
    const double srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    return rgbProfile({{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}},
                      cmsBuildParametricToneCurve(nullptr, 4, srgbCurve));
}

// The APP2 payload that carries `profile` whole, and `jpeg` with it right after the start
// marker.
QByteArray iccPayload(const QByteArray& profile) {
    return QByteArray("ICC_PROFILE\0\x01\x01", 14) + profile;
}
QByteArray withIccSegment(QByteArray jpeg, const QByteArray& profile) {
    const QByteArray payload = iccPayload(profile);
    const int length = int(payload.size()) + 2;
    jpeg.insert(2, QByteArray("\xFF\xE2") + char(length >> 8) + char(length & 0xFF) + payload);
    return jpeg;
}

// Adobe RGB (144, 255, 60) is sRGB's pure green: converted, the thumbnail shows it as the
// browser would; with --keep-profile the pixels stay and the profile goes along.
TEST_F(CorvelThumb, EmbeddedColourProfilesAreConvertedToSrgb) {
    const QString plainPath = plain("plain.jpg", QColor(144, 255, 60), 40, 40);
    const QByteArray jpeg = withIccSegment(bytesOf(plainPath), adobeRgbProfile());
    const QByteArray payload = iccPayload(adobeRgbProfile());
    const QString photo = at("photo.jpg");
    testing_support::writeFile(photo, jpeg);

    ASSERT_EQ(run({"-t", "bmp", "-o", at("srgb"), photo}).status, 0);
    const QRgb converted = QImage(at("srgb/photo.bmp")).pixel(20, 20);
    EXPECT_LE(qRed(converted), 12) << qRed(converted);
    EXPECT_GE(qGreen(converted), 245);
    EXPECT_LE(qBlue(converted), 12) << qBlue(converted);

    ASSERT_EQ(run({"--keep-profile", "-t", "bmp", "-o", at("kept"), photo}).status, 0);
    const QRgb kept = QImage(at("kept/photo.bmp")).pixel(20, 20);
    EXPECT_NEAR(qRed(kept), 144, 6);
    EXPECT_NEAR(qBlue(kept), 60, 6);
    ASSERT_EQ(run({"--keep-profile", "-o", at("keptjpg"), photo}).status, 0);
    EXPECT_TRUE(bytesOf(at("keptjpg/photo.jpg")).contains(payload)) << "the profile's bytes";
    ASSERT_EQ(run({"-o", at("srgbjpg"), photo}).status, 0);
    EXPECT_FALSE(bytesOf(at("srgbjpg/photo.jpg")).contains("ICC_PROFILE"));

    // A damaged profile is ignored: the picture is taken as sRGB.
    QByteArray damaged = jpeg;
    damaged.replace(damaged.indexOf("ICC_PROFILE") + 14, 40, QByteArray(40, '\x5A'));
    const QString broken = at("broken.jpg");
    testing_support::writeFile(broken, damaged);
    ASSERT_EQ(run({"-t", "bmp", "-o", at("broken"), broken}).status, 0);
    EXPECT_NEAR(qRed(QImage(at("broken/broken.bmp")).pixel(20, 20)), 144, 6);
}

// Display P3 (187, 105, 62) is sRGB (200, 100, 50), worked out from the primaries and the
// curves alone. Kept, the profile goes into every type that holds one, byte for byte.
TEST_F(CorvelThumb, DisplayP3PhotosLandOnTheirSrgbColours) {
    const QByteArray profile = displayP3Profile();
    const QByteArray payload = iccPayload(profile);
    const QByteArray jpeg =
        withIccSegment(bytesOf(plain("plain.jpg", QColor(187, 105, 62), 40, 40)), profile);
    const QString photo = at("p3.jpg");
    testing_support::writeFile(photo, jpeg);

    ASSERT_EQ(run({"-t", "png", "-o", at("srgb"), photo}).status, 0);
    const QRgb converted = QImage(at("srgb/p3.png")).pixel(20, 20);
    EXPECT_NEAR(qRed(converted), 200, 4);
    EXPECT_NEAR(qGreen(converted), 100, 4);
    EXPECT_NEAR(qBlue(converted), 50, 4);

    ASSERT_EQ(run({"--keep-profile", "-o", at("kept"), photo}).status, 0);
    EXPECT_TRUE(bytesOf(at("kept/p3.jpg")).contains(payload));
    const QRgb kept = QImage(at("kept/p3.jpg")).pixel(20, 20);
    EXPECT_NEAR(qRed(kept), 187, 4);
    for (const char* type : {"png", "webp"}) {
        SCOPED_TRACE(type);
        ASSERT_EQ(run({"--keep-profile", "-t", type, "-o", at("kept"), photo}).status, 0);
        const auto decoder =
            engine::openPicture(QFile::encodeName(at("kept/p3.") + type).toStdString());
        ASSERT_NE(decoder, nullptr);
        EXPECT_EQ(decoder->colourProfile(), engine::Bytes(profile.begin(), profile.end()));
    }
}

// Pixels of a PNG or WebP file as 0xAARRGGBB, read by Qt (PNG) or libwebp.
std::vector<engine::Rgb> pixelsOf(const QString& path, QSize* size) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    if (path.endsWith(".webp")) {
        int width = 0;
        int height = 0;
        std::uint8_t* bgra = WebPDecodeBGRA(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            std::size_t(bytes.size()), &width, &height);
        EXPECT_NE(bgra, nullptr);
        std::vector<engine::Rgb> pixels(std::size_t(width) * std::size_t(height));
        std::memcpy(pixels.data(), bgra, pixels.size() * 4);
        WebPFree(bgra);
        *size = QSize(width, height);
        return pixels;
    }
    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    *size = image.size();
    std::vector<engine::Rgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const engine::Rgb*>(image.constScanLine(y));
        pixels.insert(pixels.end(), row, row + image.width());
    }
    return pixels;
}

// A picture with transparent, half-transparent and opaque parts, as PNG (written by Qt) and as
// lossless WebP (by libwebp). PNG and WebP thumbnails keep each sample's opacity; the other
// types lay it over the background.
TEST_F(CorvelThumb, TransparencyIsKeptOrLaidOverTheBackground) {
    QImage source(60, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const int alpha = x < 20 ? 0 : x < 40 ? 128 : 255;
            source.setPixel(x, y, qRgba(200 + y, x * 4, 30, alpha));
        }
    }
    // Clear pixels keep their colour in both inputs (libwebp's exact mode).
    const QString png = save(source, "in/art.png");
    WebPConfig config;
    ASSERT_TRUE(WebPConfigInit(&config));
    config.lossless = 1;
    config.exact = 1;
    WebPPicture picture;
    ASSERT_TRUE(WebPPictureInit(&picture));
    picture.use_argb = 1;
    picture.width = 60;
    picture.height = 40;
    ASSERT_TRUE(WebPPictureImportBGRA(&picture, source.constBits(), int(source.bytesPerLine())));
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    ASSERT_TRUE(WebPEncode(&config, &picture));
    WebPPictureFree(&picture);
    const QString webp = at("in/art.webp");
    testing_support::writeFile(
        webp, QByteArray(reinterpret_cast<const char*>(writer.mem), qsizetype(writer.size)));
    WebPMemoryWriterClear(&writer);

    // The thumbnail as the engine samples it, transparency and all.
    const engine::RgbView view{reinterpret_cast<const engine::Rgb*>(source.constBits()), 60, 40,
                               60};
    const engine::RgbImage sampled = engine::sampleThumbnail(view, 32, 22);
    ASSERT_EQ(engine::alphaOf(sampled.pixel(5, 5)), 0);
    ASSERT_EQ(engine::alphaOf(sampled.pixel(15, 5)), 128);

    for (const QString& input : {png, webp}) {
        SCOPED_TRACE(input.toStdString());
        for (const QStringList& kept : {QStringList{"-t", "png"}, {"-t", "webp", "--lossless"}}) {
            const QString dest = at("kept-" + kept[1] + QFileInfo(input).suffix());
            ASSERT_EQ(run(kept + QStringList{"-s", "30x20", "-o", dest, input}).status, 0);
            QSize size;
            const std::vector<engine::Rgb> pixels = pixelsOf(dest + "/art." + kept[1], &size);
            ASSERT_EQ(size, QSize(30, 20));
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 30; ++x) {
                    // The WebP encoder may change what is under a clear pixel: it is not seen.
                    const engine::Rgb expected = sampled.pixel(x, y);
                    const engine::Rgb got = pixels[std::size_t(y * 30 + x)];
                    ASSERT_EQ(engine::alphaOf(expected) == 0 ? got >> 24 : got,
                              engine::alphaOf(expected) == 0 ? 0 : expected)
                        << kept[1].toStdString() << " at " << x << "," << y;
                }
            }
        }
        // Over white: clear is white, half-clear red (about 210, 40, 30) is half white.
        const QString dest = at("flat-" + QFileInfo(input).suffix());
        ASSERT_EQ(
            run({"-t", "bmp", "--background", "white", "-s", "30x20", "-o", dest, input}).status,
            0);
        const QImage flat(dest + "/art.bmp");
        EXPECT_EQ(flat.pixel(2, 10), qRgb(255, 255, 255));
        const QRgb half = flat.pixel(14, 10);
        const engine::Rgb under = sampled.pixel(14, 10);
        EXPECT_NEAR(qRed(half), (engine::redOf(under) + 255) / 2, 1);
        EXPECT_NEAR(qGreen(half), (engine::greenOf(under) + 255) / 2, 1);
        EXPECT_EQ(flat.pixel(25, 10) & 0xFFFFFF, sampled.pixel(25, 10) & 0xFFFFFF);
        // The default background is black, and a colour may be given as #RGB.
        ASSERT_EQ(run({"-t", "bmp", "-s", "30x20", "-o", dest + "-black", input}).status, 0);
        EXPECT_EQ(QImage(dest + "-black/art.bmp").pixel(2, 10), qRgb(0, 0, 0));
        ASSERT_EQ(
            run({"--background", "#0f8", "-s", "30x20", "-t", "bmp", "-o", dest + "-hex", input})
                .status,
            0);
        EXPECT_EQ(QImage(dest + "-hex/art.bmp").pixel(2, 10), qRgb(0, 255, 136));
    }
}

// Lossy WebP follows -q; a damaged PNG or WebP is one failed picture with a reason.
TEST_F(CorvelThumb, WebpQualityAndDamagedNewFormats) {
    const QString source = picture("photo.png", 300, 200);
    ASSERT_EQ(run({"-t", "webp", "-q", "90", "-o", at("q90"), source}).status, 0);
    ASSERT_EQ(run({"-t", "webp", "-q", "20", "-o", at("q20"), source}).status, 0);
    EXPECT_TRUE(bytesOf(at("q90/photo.webp")).startsWith("RIFF"));
    EXPECT_LT(bytesOf(at("q20/photo.webp")).size(), bytesOf(at("q90/photo.webp")).size());

    const QByteArray whole = bytesOf(source);
    const QString cut = at("cut.png");
    testing_support::writeFile(cut, whole.left(whole.size() / 2));
    const QString riff = at("junk.webp");
    testing_support::writeFile(riff,
                               QByteArray("RIFF\x40\0\0\0WEBPVP8 ", 16) + QByteArray(60, 'z'));
    const Outcome outcome = run({"-o", at("bad"), cut, riff});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.contains(cut + ": damaged PNG")) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(riff + ": damaged WebP")) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.endsWith("0 written, 0 skipped, 2 failed\n"));
}

// The window writes the canvas as a bitmap, then converts that file in place to JPEG.
TEST_F(CorvelThumb, PixelsAndBytesAreThoseOfTheWindowRun) {
    const QString source = picture("pics/photo.bmp", 123, 77);
    ASSERT_EQ(run({"-t", "bmp", "-W", "90", "-H", "60", "-o", at("bmp"), source}).status, 0);
    ASSERT_EQ(run({"-q", "85", "-W", "90", "-H", "60", "-o", at("jpg"), source}).status, 0);

    const QImage canvas = engine::sampleThumbnail(engine::loadPicture(source), 92, 62);
    EXPECT_EQ(bytesOf(at("bmp/photo.bmp")), engine::encodeBitmap(canvas));

    const QString windowFile = at("window.jpg");
    ASSERT_TRUE(engine::writeBitmap(canvas, windowFile));
    testing_support::VirtualEventLoop loop;
    testing_support::ScriptedDialogs dialogs(loop);
    ASSERT_EQ(engine::BmpToJpg(windowFile, windowFile, "85", dialogs),
              engine::ConvertStatus::Converted);
    EXPECT_EQ(bytesOf(at("jpg/photo.jpg")), bytesOf(windowFile));
}

TEST_F(CorvelThumb, UnreadableInputsAreReportedAndSkipped) {
    const QString good = picture("photo.jpg", 40, 30);
    const QString bad = junk("broken.jpg");
    const Outcome outcome = run({"-o", at("out"), good, bad, at("missing.jpg"), at(".")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(entries(at("out")), QStringList{"photo.jpg"});
    EXPECT_TRUE(outcome.err.contains(bad + ": not a BMP, JPEG, GIF, PNG or WebP picture"))
        << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains("missing.jpg: no such file"));
    EXPECT_TRUE(outcome.err.contains("is a folder"));
    EXPECT_FALSE(outcome.out.contains("broken"));
    EXPECT_TRUE(outcome.out.endsWith("1 written, 0 skipped, 3 failed\n"));
    EXPECT_EQ(bytesOf(bad), "not a picture at all");
}

// Running numbers go in input order whatever the number of jobs; a picture that cannot be
// loaded takes none, as in the window.
TEST_F(CorvelThumb, RunningNumbersFollowTheInputOrderInParallel) {
    QStringList inputs;
    for (const char* name : {"p1", "p2", "p3", "p4", "p5", "p6", "p7"}) {
        inputs << (name == QString("p4") ? junk("p4.jpg")
                                         : picture(name + QString(".bmp"), 50, 40));
    }
    const Outcome outcome = run(QStringList{"-j", "3", "--number", "9", "-o", at("out")} + inputs);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(entries(at("out")), (QStringList{"p1_9.jpg", "p2_10.jpg", "p3_11.jpg", "p5_12.jpg",
                                               "p6_13.jpg", "p7_14.jpg"}));
    EXPECT_TRUE(outcome.out.indexOf("p1.bmp") < outcome.out.indexOf("p7.bmp"));
}

TEST_F(CorvelThumb, ExistingOutputIsSkippedUnlessOverwrite) {
    const QString source = picture("photo.jpg", 40, 30);
    QDir().mkpath(at("out"));
    const QString existing = at("out/photo.jpg");
    testing_support::writeFile(existing, "old thumbnail");

    // A re-run: what exists is skipped, counted apart, and is no failure.
    const Outcome skipped = run({"-o", at("out"), source, picture("next.jpg", 40, 30)});
    EXPECT_EQ(skipped.status, 0);
    EXPECT_TRUE(skipped.err.contains("skipped: " + existing + " exists"));
    EXPECT_TRUE(skipped.out.endsWith("1 written, 1 skipped, 0 failed\n"));
    EXPECT_EQ(bytesOf(existing), "old thumbnail");

    ASSERT_TRUE(QFile::setPermissions(
        existing, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    EXPECT_EQ(run({"--overwrite", "-o", at("out"), source}).status, 0);
    EXPECT_TRUE(bytesOf(existing).startsWith("\xFF\xD8"));
    const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(existing) & ~userBits,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup)
        << "the replaced file keeps its permissions";
    EXPECT_EQ(entries(at("out")), (QStringList{"next.jpg", "photo.jpg"}))
        << "no temporary file is left";
}

TEST_F(CorvelThumb, OutputThatIsAnInputIsRefusedUnlessOverwrite) {
    const QString source = picture("photo.jpg", 40, 30);
    const QByteArray original = bytesOf(source);
    const Outcome refused = run({"--same-folder", source});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("refused: " + source + " is an input picture"));
    EXPECT_EQ(bytesOf(source), original);

    // Another input of the run, named by a link, is refused too.
    const QString other = picture("th_photo.jpg", 20, 20);
    ASSERT_TRUE(QFile::link(other, at("link.jpg")));
    EXPECT_EQ(run({"--prefix", "th_", "-o", temp.path(), source, at("link.jpg")}).status, 1);
    EXPECT_EQ(QImage(other).size(), QSize(20, 20));

    EXPECT_EQ(run({"--same-folder", "--overwrite", source}).status, 0);
    EXPECT_EQ(QImage(source).size(), QSize(110, 130));
}

// With --overwrite a thumbnail may replace another input, but only once that input was read.
TEST_F(CorvelThumb, AnInputReplacedByAThumbnailIsReadFirst) {
    const QString source = picture("photo.jpg", 40, 30);
    const QString later = plain("th_photo.jpg", Qt::red, 64, 48);
    const Outcome outcome = run(
        {"--overwrite", "--prefix", "th_", "-W", "20", "-H", "20", "--same-folder", source, later});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const QImage redThumbnail(at("th_th_photo.jpg"));
    ASSERT_EQ(redThumbnail.size(), QSize(20, 20));
    EXPECT_GT(qRed(redThumbnail.pixel(10, 10)), 200) << "made from the red picture";
    EXPECT_EQ(QImage(later).size(), QSize(20, 20));
}

TEST_F(CorvelThumb, TwoInputsWithOneOutputNameDoNotOverwriteEachOther) {
    const QString red = plain("a/photo.jpg", Qt::red);
    const QString blue = plain("b/photo.bmp", Qt::blue);
    const Outcome outcome = run({"--overwrite", "-o", at("out"), red, blue});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.contains(blue + ": not written: " + at("out/photo.jpg") +
                                     " is already the thumbnail of " + red))
        << outcome.err.toStdString();
    const QImage written(at("out/photo.jpg"));
    EXPECT_GT(qRed(written.pixel(5, 5)), 200);
    EXPECT_LT(qBlue(written.pixel(5, 5)), 50);
}

TEST_F(CorvelThumb, DestinationIsMadeWhenMissingAndMustBeAFolder) {
    const QString source = picture("photo.jpg", 40, 30);
    EXPECT_EQ(run({"-o", at("new/deeper"), source}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(at("new/deeper/photo.jpg")));

    const Outcome onFile = run({"-o", source, source});
    EXPECT_EQ(onFile.status, 2);
    EXPECT_TRUE(onFile.err.contains("the destination is not a folder: " + source));
}

TEST_F(CorvelThumb, AFailedWriteLeavesNoFileBehind) {
    const QString source = picture("photo.jpg", 40, 30);
    QDir().mkpath(at("out/photo.jpg"));  // a folder where the thumbnail would go
    const Outcome outcome = run({"--overwrite", "-o", at("out"), source});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.contains("cannot write " + at("out/photo.jpg")));
    EXPECT_TRUE(entries(at("out")).isEmpty());
}

// The window's limit on deep paths holds beside the source; a destination takes the name alone.
TEST_F(CorvelThumb, DeepPathsAreNamedInADestinationOnly) {
    QString folder = temp.path();
    while (folder.count('/') < 16) {
        folder += "/d";
    }
    const QString deep = picture(QDir(temp.path()).relativeFilePath(folder + "/photo.jpg"), 20, 20);
    ASSERT_EQ(deep.count('/'), 17);
    const Outcome beside = run({"--same-folder", "--suffix", "_t", deep});
    EXPECT_EQ(beside.status, 1);
    EXPECT_TRUE(beside.err.contains("more than 15 '/'"));
    const Outcome outcome = run({"-o", at("out"), deep});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(entries(at("out")), QStringList{"photo.jpg"});
}

// The usual spellings of options all mean the same command.
TEST_F(CorvelThumb, OptionsInTheirUsualForms) {
    const QString source = picture("photo.jpg", 40, 30);
    const QStringList forms[] = {
        {"-W", "50", "-H", "40", "-t", "bmp", "-o", at("a"), source},
        {"-W50", "-H40", "-tbmp", "-o" + at("b"), source},
        {"--width=50", "--height=40", "--type=bmp", "--dest=" + at("c"), source},
        {"--width", "50", "--height", "40", "--type", "bmp", "--dest", at("d"), "--", source},
        // The last value counts.
        {"-W", "90", "-W", "50", "-H", "40", "-t", "jpg", "-t", "bmp", "-o", at("e"), source},
    };
    char folder = 'a';
    for (const auto& arguments : forms) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
        EXPECT_EQ(QImage(at(QString(folder++) + "/photo.bmp")).size(), QSize(50, 40));
    }
    // After "--" a name that looks like an option is a picture.
    picture("-W.jpg", 40, 30);
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(temp.path()));
    const Outcome outcome = run({"-o", at("f"), "--", "-W.jpg"});
    QDir::setCurrent(working);
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(at("f/-W.jpg")));
}

// File names are bytes: a name that is not UTF-8 is read and its thumbnail named after it.
TEST_F(CorvelThumb, FileNamesThatAreNotUtf8) {
    const std::string folder = QFile::encodeName(temp.path()).toStdString();
    const std::string name = folder + "/ph\xF6to.bmp";  // ISO 8859-1 for "photo" with an umlaut
    const QByteArray bytes = engine::encodeBitmap(engine::loadPicture(picture("p.bmp", 40, 30)));
    FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file);
    std::fclose(file);
    const Outcome outcome = run(std::vector<std::string>{"--suffix", "_t", "--same-folder", name});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const std::string thumbnail = folder + "/ph\xF6to_t.jpg";
    FILE* written = std::fopen(thumbnail.c_str(), "rb");
    ASSERT_NE(written, nullptr) << "no thumbnail under the name's own bytes";
    EXPECT_EQ(std::fgetc(written), 0xFF);
    std::fclose(written);
}

struct UsageCase {
    QStringList arguments;
    const char* message;
};

TEST_F(CorvelThumb, BadUsageExitsWithTwoAndSaysWhy) {
    const QString source = picture("photo.jpg", 40, 30);
    const QString out = at("out");
    const UsageCase cases[] = {
        {{"-W", "0", "-o", out, source}, "width must be a whole number from 1 to 280, not '0'"},
        {{"-W", "281", "-o", out, source}, "from 1 to 280"},
        {{"-H", "241", "-o", out, source}, "height must be a whole number from 1 to 240"},
        {{"-H", "12x", "-o", out, source}, "not '12x'"},
        {{"-q", "0", "-o", out, source}, "quality must be a whole number from 1 to 100"},
        {{"-q", "101", "-o", out, source}, "from 1 to 100"},
        {{"-t", "tiff", "-o", out, source}, "type must be jpg, bmp, gif, png or webp, not 'tiff'"},
        {{"--lossless", "-t", "png", "-o", out, source}, "--lossless goes with -t webp"},
        {{"--lossless", "-o", out, source}, "--lossless goes with -t webp"},
        {{"--background", "#12345", "-o", out, source}, "background must be #RRGGBB, #RGB"},
        {{"--background", "purple", "-o", out, source}, "not 'purple'"},
        {{"--background", "#gg0000", "-o", out, source}, "not '#gg0000'"},
        {{"-s", "281x10", "-o", out, source}, "size width must be a whole number from 1 to 280"},
        {{"-s", "x241", "-o", out, source}, "size height must be a whole number from 1 to 240"},
        {{"--mode", "fit", "-s", "8193", "-o", out, source}, "from 1 to 8192, not '8193'"},
        {{"--mode", "fill", "-H", "9000", "-o", out, source}, "height must be a whole number"},
        {{"-s", "x", "-o", out, source}, "size must be WxH, W or xH, not 'x'"},
        {{"-s", "1x2x3", "-o", out, source}, "size must be WxH, W or xH"},
        {{"-s", "ax2", "-o", out, source}, "not 'a'"},
        {{"-s", "20", "-W", "30", "-o", out, source}, "either --size or --width and --height"},
        {{"--mode", "crop", "-o", out, source}, "mode must be stretch, fit or fill, not 'crop'"},
        {{"-j", "0", "-o", out, source}, "jobs must be a whole number from 1 to"},
        {{"--prefix", "abcd", "-o", out, source}, "at most 3 characters"},
        {{"--suffix", "a/b", "-o", out, source}, "must not contain '/'"},
        {{"--prefix", "a", "--number", "2", "-o", out, source}, "only one of"},
        {{"--number", "x", "-o", out, source}, "--number needs a whole number, not 'x'"},
        {{"--number", "2147483647", "-o", out, source, source}, "would count past"},
        {{source}, "no destination"},
        {{"-o", out, "--same-folder", source}, "not both"},
        {{"-o", out}, "no pictures given"},
        {{"--colour", "-o", out, source}, "Unknown option 'colour'"},
        {{"-W"}, "Missing value after '-W'"},
        {{"--dest"}, "Missing value after '--dest'"},
        {{"--landscape=yes", "-o", out, source}, "Unexpected value after '--landscape'"},
        {{"-x", "-o", out, source}, "Unknown option 'x'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains("--help"));
        EXPECT_TRUE(outcome.out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(CorvelThumb, ProgressBarGoesToTheTerminalOnly) {
    const QString a = picture("a.jpg", 40, 30);
    const QString b = picture("b.jpg", 40, 30);
    const Outcome withBar = run({"-o", at("out"), a, b}, true);
    EXPECT_TRUE(withBar.err.contains("] 2/2"));
    EXPECT_TRUE(withBar.err.endsWith("\r\033[K")) << "the bar is cleared at the end";
    EXPECT_FALSE(withBar.out.contains('\r'));
    const Outcome withoutBar = run({"--overwrite", "-o", at("out"), a, b});
    EXPECT_TRUE(withoutBar.err.isEmpty());
}

// The real program, as a user runs it.
TEST_F(CorvelThumb, TheProgramExitsWithTheStatusOfItsRun) {
    const QString source = picture("photo.jpg", 40, 30);
    struct Run {
        QStringList arguments;
        int status;
        const char* out;
    };
    const Run runs[] = {
        {{"--help"}, 0, "Usage: corvel-thumb [options] PICTURE..."},
        {{"--version"}, 0, "corvel-thumb "},
        {{"-o", at("out"), source}, 0, "1 written, 0 skipped, 0 failed"},
        {{"-o", at("out"), source}, 0, "0 written, 1 skipped, 0 failed"},
        {{"-o", at("out"), source, at("missing.jpg")}, 1, "0 written, 1 skipped, 1 failed"},
        {{"-W", "300", source}, 2, ""},
    };
    for (const auto& r : runs) {
        QProcess process;
        process.start(CORVEL_THUMB_PROGRAM, r.arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), r.status) << r.arguments.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardOutput().contains(r.out));
    }
}

// The real program, started so that `prepare` runs in it before it begins.
struct ProgramRun {
    int status = -1;  // the exit status, or the signal that ended it
    bool signalled = false;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments, const std::function<void()>& prepare = {}) {
    QProcess process;
    if (prepare) {
        process.setChildProcessModifier(prepare);
    }
    process.start(CORVEL_THUMB_PROGRAM, arguments);
    // Only a safety net: a program that hangs fails here instead of holding up the tests.
    EXPECT_TRUE(process.waitForFinished(60000));
    ProgramRun run;
    run.signalled = process.exitStatus() == QProcess::CrashExit;
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Permission bits do not stop root: the program runs as nobody for those cases.
void withoutPrivileges() {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        ::_exit(99);
    }
}

TEST_F(CorvelThumb, AFifoAmongThePicturesIsAnsweredAtOnce) {
    const QString before = picture("before.jpg", 40, 30);
    const QString fifo = at("pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString after = picture("after.jpg", 40, 30);
    const ProgramRun run = runProgram({"-j", "1", "-o", at("out"), before, fifo, after});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(fifo + ": is a FIFO, not a picture")) << run.err.toStdString();
    EXPECT_EQ(entries(at("out")), (QStringList{"after.jpg", "before.jpg"}));
}

// A destination that cannot take a file is found before any picture is read.
TEST_F(CorvelThumb, AnUnusableDestinationEndsTheRunAtOnceWithTwo) {
    const QString source = picture("photo.jpg", 40, 30);
    ASSERT_TRUE(QDir().mkpath(at("locked")));
    const auto mode = [](const QString& path, mode_t bits) {
        return ::chmod(QFile::encodeName(path).constData(), bits) == 0;
    };
    ASSERT_TRUE(mode(temp.path(), 0755) && mode(at("locked"), 0555));
    const ProgramRun run = runProgram({"-o", at("locked"), source}, withoutPrivileges);
    mode(at("locked"), 0755);
    EXPECT_FALSE(run.signalled);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("cannot write in the destination folder " + at("locked")))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("photo.jpg")) << "no picture was read";
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(entries(at("locked")).isEmpty());
}

// A signal in the middle of a write (here the one for writing past the file size limit, which
// comes at the first write) removes the temporary file, then ends the program as it would.
TEST_F(CorvelThumb, AnInterruptedWriteLeavesNothingBehind) {
    const QString source = picture("photo.jpg", 40, 30);
    ASSERT_TRUE(QDir().mkpath(at("out")));
    const ProgramRun run = runProgram({"-o", at("out"), source}, [] {
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_TRUE(run.signalled);
    EXPECT_EQ(run.status, SIGXFSZ);
    EXPECT_TRUE(entries(at("out")).isEmpty()) << entries(at("out")).join(' ').toStdString();
}

// Each failure says what is wrong with the file; a name with control characters stays on its
// own line, spelled out.
TEST_F(CorvelThumb, FailuresSayWhatIsWrong) {
    const QString empty = at("empty.jpg");
    QFile(empty).open(QIODevice::WriteOnly);
    const QString strange = at("two\nlines\x1b[31m.jpg");
    QFile(strange).open(QIODevice::WriteOnly);
    // A 4 x 4 bitmap of 8 bits, run-length coded (compression 1).
    QByteArray rle("BM", 2);
    rle += QByteArray(12, '\0');
    rle += QByteArray("\x28\0\0\0\x04\0\0\0\x04\0\0\0\x01\0\x08\0\x01\0\0\0", 20);
    rle += QByteArray(20 + 1024 + 64, '\0');
    QFile rleFile(at("rle.bmp"));
    ASSERT_TRUE(rleFile.open(QIODevice::WriteOnly));
    rleFile.write(rle);
    rleFile.close();
    const Outcome outcome = run({"-o", at("out"), empty, at("rle.bmp"), strange});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.contains(empty + ": empty file\n"));
    EXPECT_TRUE(outcome.err.contains(at("rle.bmp") + ": unsupported BMP compression RLE8\n"))
        << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(at("two\\nlines\\x1b[31m.jpg") + ": empty file\n"))
        << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.count('\n'), 3);
    EXPECT_TRUE(outcome.out.endsWith("0 written, 0 skipped, 3 failed\n"));
}

// The command loads no toolkit library: loading one costs more time and memory than making
// the thumbnail of a large bitmap.
TEST_F(CorvelThumb, TheProgramLoadsNoToolkitLibraries) {
    const QString source = picture("photo.jpg", 40, 30);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    process.setProcessEnvironment(environment);
    process.start(CORVEL_THUMB_PROGRAM, {"-o", at("out"), source});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray loaded = process.readAllStandardError();
    ASSERT_TRUE(loaded.contains("libjpeg")) << "the loader listed nothing";
    for (const char* library : {"libQt6", "libicu", "libglib"}) {
        EXPECT_FALSE(loaded.contains(library)) << library;
    }
}

}  // namespace
