// SPDX-License-Identifier: MIT
// The source preview and the one-pass read of a thumbnail with its preview.
#include "engine/picture_file.h"
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "engine/qt/rgb_image_qt.h"
#include "engine/source_preview.h"
#include "fixtures.h"

#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace engine_fixtures;

namespace {

// The preview of a whole picture in memory, fed row by row.
QImage previewOfWhole(const QImage& picture, QSize box) {
    engine::PreviewSampler sampler(engine::Size(picture.width(), picture.height()),
                                   engine::Size(box.width(), box.height()));
    std::vector<engine::Rgb> sampled(sampler.columns().size());
    const engine::RgbView view = engine::viewOf(picture);
    for (std::size_t i = 0; i < sampler.rows().size(); ++i) {
        const engine::Rgb* row = view.row(sampler.rows()[i]);
        for (std::size_t c = 0; c < sampled.size(); ++c) {
            sampled[c] = row[sampler.columns()[c]];
        }
        sampler.takeSampledRow(int(i), sampled.data());
    }
    return engine::toQImage(sampler.takePreview());
}

// How the window drew a source preview before: the whole picture, stretched with smoothing.
QImage drawnStretched(const QImage& picture, QSize box) {
    QImage drawn(box, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(drawn.rect(), QPixmap::fromImage(picture));
    return drawn;
}

// The largest difference of a colour channel between two pictures of one size, and the mean.
struct Difference {
    int largest = 0;
    double mean = 0;
};
Difference differenceOf(const QImage& a, const QImage& b) {
    Difference difference;
    std::int64_t sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                difference.largest = std::max(difference.largest, std::abs(d));
                sum += std::abs(d);
            }
        }
    }
    difference.mean = double(sum) / (3.0 * a.width() * a.height());
    return difference;
}

// The list-click box, the run's stretched box, and boxes that enlarge or squeeze one side.
const QSize kBoxes[] = {{249, 233}, {279, 183}, {40, 300}, {1, 1}};

TEST(SourcePreview, LooksAsTheWindowDrewTheWholePicture) {
    const QSize sources[] = {{1200, 900}, {333, 217}, {90, 60}, {2000, 31}, {1, 1}};
    for (const QSize& source : sources) {
        const QImage picture = photographicPicture(source.width(), source.height());
        for (const QSize& box : kBoxes) {
            SCOPED_TRACE(testing::Message() << source.width() << "x" << source.height() << " into "
                                            << box.width() << "x" << box.height());
            const QImage preview = previewOfWhole(picture, box);
            ASSERT_EQ(preview.size(), box);
            // The same mix of the same pixels: only the toolkit's coarser weights differ, which
            // shows on noise between neighbours; a shifted or blurred mix would be far off.
            const Difference difference = differenceOf(preview, drawnStretched(picture, box));
            EXPECT_LE(difference.largest, 16);
            EXPECT_LE(difference.mean, 1.0);
        }
    }
}

TEST(SourcePreview, BoxThePictureSizeGivesThePicture) {
    const QImage picture = photographicPicture(281, 185);
    EXPECT_EQ(previewOfWhole(picture, picture.size()), picture);
}

TEST(SourcePreview, ReadsAtMostTwoRowsAndColumnsPerBoxPixel) {
    const engine::PreviewSampler sampler(engine::Size(8000, 6000), engine::Size(279, 183));
    EXPECT_LE(sampler.rows().size(), 2u * 183);
    EXPECT_LE(sampler.columns().size(), 2u * 279);
    EXPECT_TRUE(std::is_sorted(sampler.rows().begin(), sampler.rows().end()));
    EXPECT_EQ(std::adjacent_find(sampler.rows().begin(), sampler.rows().end()),
              sampler.rows().end());
    EXPECT_FALSE(engine::PreviewSampler(engine::Size(0, 10), engine::Size(5, 5)).isValid());
    EXPECT_FALSE(engine::PreviewSampler(engine::Size(10, 10), engine::Size(5, 0)).isValid());
}

// A decoder over a picture in memory that records what it was asked for.
class RecordingDecoder : public engine::PictureDecoder {
  public:
    explicit RecordingDecoder(engine::Size size) { size_ = size; }
    bool decode(const std::vector<int>& rows, const std::vector<int>* columns,
                const engine::RowSink& sink) override {
        asked = rows;
        std::vector<engine::Rgb> row(columns ? columns->size() : std::size_t(size_.width()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                const int x = columns ? (*columns)[c] : int(c);
                row[c] = engine::rgb(x & 0xFF, rows[i] & 0xFF, (x ^ rows[i]) & 0xFF);
            }
            sink(int(i), row.data());
        }
        return true;
    }
    std::vector<int> asked;
};

TEST(SourcePreview, OneReadDecodesOnlyTheRowsTheThumbnailAndThePreviewTake) {
    RecordingDecoder decoder(engine::Size(8000, 6000));
    const engine::ThumbnailPlan plan{{0, 0, 8000, 6000}, 110, 130};
    const auto both = engine::readThumbnailAndPreview(decoder, plan, engine::Size(279, 183));
    EXPECT_EQ(both.thumbnail.size(), engine::Size(110, 130));
    EXPECT_EQ(both.preview.size(), engine::Size(279, 183));
    EXPECT_LE(decoder.asked.size(), 130u + 2 * 183);
    EXPECT_TRUE(std::is_sorted(decoder.asked.begin(), decoder.asked.end()));
}

class OneRead : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes, const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    // The thumbnail is the one readThumbnail makes, the preview the one of the whole decoded
    // picture, byte for byte.
    static void expectSameAsApart(const QString& path) {
        const QImage whole = engine::loadPicture(path);
        ASSERT_FALSE(whole.isNull());
        const struct {
            QSize call;
            QSize box;
        } cases[] = {
            {{112, 132}, {279, 183}},
            {{42, 402}, {249, 233}},
            {{282, 12}, whole.size()},
            {{3, 3}, {2, 700}},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "call " << c.call.width() << "x" << c.call.height()
                                            << ", box " << c.box.width() << "x" << c.box.height());
            const auto decoder = engine::openPicture(engine::nativePath(path));
            ASSERT_TRUE(decoder);
            const engine::Size size = decoder->size();
            const engine::ThumbnailPlan plan{
                {0, 0, size.width(), size.height()}, c.call.width() - 2, c.call.height() - 2};
            const auto both = engine::readThumbnailAndPreview(
                *decoder, plan, engine::Size(c.box.width(), c.box.height()));
            EXPECT_EQ(engine::toQImage(both.thumbnail),
                      engine::sampleThumbnail(whole, c.call.width(), c.call.height()));
            EXPECT_EQ(engine::toQImage(both.preview), previewOfWhole(whole, c.box));
        }
    }

    QTemporaryDir folder;
};

TEST_F(OneRead, GivesWhatTheWholePictureGives) {
    const QImage picture = photographicPicture(333, 217);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"baseline.jpg", encodeJpegFixture(picture, {2, 2, false, false, 0, 90})},
        {"progressive.jpg", encodeJpegFixture(picture, {2, 1, false, true, 0, 90})},
        {"picture.bmp", engine::encodeBitmap(picture)},
        {"picture.gif",
         encodeGifFixture(picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                              .convertToFormat(QImage::Format_RGB32))},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        expectSameAsApart(write(file.bytes, file.name));
    }
}

TEST_F(OneRead, InterlacedGifRowsComeInPassOrder) {
    GifFixture gif;
    gif.screen = {61, 45};
    for (int i = 0; i < 256; ++i) {
        gif.globalTable.push_back(qRgb(i, 255 - i, (i * 7) & 0xFF));
    }
    GifFrame frame;
    frame.rect = {0, 0, 61, 45};
    for (int i = 0; i < 61 * 45; ++i) {
        frame.indices.push_back(std::uint8_t((i * 37) >> 3));
    }
    frame.interlaced = true;
    gif.frames.push_back(frame);
    expectSameAsApart(write(encodeGif(gif), "interlaced.gif"));
}

TEST_F(OneRead, NoThumbnailSizeStillGivesThePreview) {
    const QString path = write(engine::encodeBitmap(photographicPicture(90, 60)), "p.bmp");
    const auto decoder = engine::openPicture(engine::nativePath(path));
    ASSERT_TRUE(decoder);
    const auto both =
        engine::readThumbnailAndPreview(*decoder, {{0, 0, 90, 60}, 0, 130}, engine::Size(279, 183));
    EXPECT_TRUE(both.read);
    EXPECT_TRUE(both.thumbnail.isNull());
    EXPECT_EQ(both.preview.size(), engine::Size(279, 183));
    const auto again = engine::openPicture(engine::nativePath(path));
    const auto thumbnailOnly =
        engine::readThumbnailAndPreview(*again, {{0, 0, 90, 60}, 110, 130}, engine::Size());
    EXPECT_TRUE(thumbnailOnly.preview.isNull());
    EXPECT_EQ(engine::toQImage(thumbnailOnly.thumbnail),
              engine::sampleThumbnail(engine::loadPicture(path), 112, 132));
}

TEST_F(OneRead, UnreadablePictureGivesNeither) {
    GifFixture gif;
    gif.screen = {4, 4};
    gif.globalTable = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    GifFrame frame;
    frame.rect = {0, 0, 4, 4};
    frame.minimumCodeSize = 2;
    frame.codes = packCodes({4, 0, 7, 5}, 3);  // 7: a code the table does not hold yet
    gif.frames.push_back(frame);
    const auto decoder = engine::openPicture(engine::nativePath(write(encodeGif(gif), "bad.gif")));
    ASSERT_TRUE(decoder);
    const auto both =
        engine::readThumbnailAndPreview(*decoder, {{0, 0, 4, 4}, 110, 130}, engine::Size(9, 9));
    EXPECT_FALSE(both.read);
    EXPECT_TRUE(both.thumbnail.isNull());
    EXPECT_TRUE(both.preview.isNull());
    EXPECT_FALSE(decoder->error().empty());
}

}  // namespace
