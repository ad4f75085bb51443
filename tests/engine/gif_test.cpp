// SPDX-License-Identifier: MIT
#include "engine/byte_source.h"
#include "engine/gif_reader.h"
#include "engine/qt/picture_file_qt.h"
#include "fixtures.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace engine_fixtures;

namespace {

// What the window showed for a GIF before the engine read GIFs itself: Qt's first frame.
QImage qtFirstFrame(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

std::vector<QRgb> colourTable(int entries) {
    std::vector<QRgb> table;
    for (int i = 0; i < entries; ++i) {
        const int v = i * 255 / std::max(1, entries - 1);
        table.push_back(qRgb(v, 255 - v, (v * 7) & 0xFF));
    }
    return table;
}

GifFixture simpleGif(QSize size, int colours, int minimumCodeSize) {
    GifFrame frame{QRect(QPoint(), size), {}, {}, minimumCodeSize, false, -1, {}};
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            frame.indices.push_back(std::uint8_t((x / 3 + y * y + x * y / 5) % colours));
        }
    }
    return {size, colourTable(colours), 0, {frame}};
}

// A photographic picture in 256 colours: long, varied LZW strings that fill the table.
GifFixture photoGif(QSize size) {
    GifFixture gif = simpleGif(size, 256, 8);
    for (int i = 0; i < 256; ++i) {
        gif.globalTable[std::size_t(i)] = qRgb((i >> 5) * 36, ((i >> 2) & 7) * 36, (i & 3) * 85);
    }
    const QImage photo = photographicPicture(size.width(), size.height());
    auto index = gif.frames[0].indices.begin();
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = photo.pixel(x, y);
            *index++ = std::uint8_t((qRed(c) >> 5) << 5 | (qGreen(c) >> 5) << 2 | qBlue(c) >> 6);
        }
    }
    return gif;
}

template <class Change>
GifFixture changed(GifFixture gif, Change change) {
    change(gif);
    return gif;
}

class Gif : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes) {
        const QString path = folder.filePath(QString("picture%1.gif").arg(files++));
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
    QTemporaryDir folder;
    int files = 0;
};

struct GifCase {
    const char* name;
    GifFixture gif;
};

TEST_F(Gif, FirstFrameHasThePixelsQtsReaderGave) {
    const GifFixture small = simpleGif({12, 8}, 4, 2);
    const GifCase cases[] = {
        {"4 colours, codes from 3 bits", simpleGif({7, 5}, 4, 2)},
        {"16 colours", simpleGif({40, 30}, 16, 4)},
        {"photo in 256 colours: codes grow to 12 bits, full tables cleared", photoGif({300, 200})},
        {"a full table kept, codes stay 12 bits",
         changed(photoGif({300, 200}), [](GifFixture& g) { g.clearWhenFull = false; })},
        {"a clear code every 5 codes",
         changed(photoGif({60, 40}), [](GifFixture& g) { g.clearEvery = 5; })},
        {"one pixel", simpleGif({1, 1}, 2, 2)},
        {"one row", simpleGif({301, 1}, 4, 2)},
        {"one column", simpleGif({1, 77}, 4, 2)},
        {"GIF87a", changed(small, [](GifFixture& g) { g.signature = "GIF87a"; })},
        {"extensions before the frame", changed(small, [](GifFixture& g) { g.extensions = true; })},
        {"a local table over the global one", changed(small,
                                                      [](GifFixture& g) {
                                                          g.frames[0].localTable = {
                                                              qRgb(1, 2, 3), qRgb(40, 50, 60),
                                                              qRgb(200, 0, 100), qRgb(9, 250, 9)};
                                                      })},
        {"a local table and no global one", changed(small,
                                                    [](GifFixture& g) {
                                                        g.frames[0].localTable = g.globalTable;
                                                        g.globalTable.clear();
                                                    })},
        {"a transparent colour keeps its colour",
         changed(small, [](GifFixture& g) { g.frames[0].transparentIndex = 2; })},
        {"only the first frame", changed(small,
                                         [](GifFixture& g) {
                                             g.frames.push_back(g.frames[0]);
                                             g.frames[1].indices.assign(96, 3);
                                         })},
        {"a screen of no size takes the frame's", changed(small,
                                                          [](GifFixture& g) {
                                                              g.screen = {0, 0};
                                                          })},
        {"a frame larger than the screen is cut", changed(small,
                                                          [](GifFixture& g) {
                                                              g.screen = {7, 5};
                                                          })},
        {"image data that stops short leaves the rest black",
         changed(small,
                 [](GifFixture& g) {
                     GifFrame& f = g.frames[0];
                     f.codes = lzwCodes({f.indices.begin(), f.indices.begin() + 53}, 2);
                 })},
    };
    for (const GifCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = encodeGif(c.gif);
        const QImage expected = qtFirstFrame(bytes);
        ASSERT_FALSE(expected.isNull());
        const QString path = write(bytes);
        EXPECT_EQ(engine::loadPicture(path), expected);
        EXPECT_EQ(pictureSizeOf(path), expected.size());
    }
}

// The same rows coded in order are the truth.
TEST_F(Gif, InterlacedRowsGoToTheirPlaces) {
    for (int height = 1; height <= 19; ++height) {
        SCOPED_TRACE(height);
        const GifFixture plain = simpleGif({5, height}, 16, 4);
        const QByteArray interlaced =
            encodeGif(changed(plain, [](GifFixture& g) { g.frames[0].interlaced = true; }));
        const QImage expected = engine::loadPicture(write(encodeGif(plain)));
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(engine::loadPicture(write(interlaced)), expected);
        // Qt's reader put the rows of 3 and 4 row frames in the wrong places.
        if (height != 3 && height != 4) {
            EXPECT_EQ(qtFirstFrame(interlaced), expected);
        }
    }
}

// Qt's reader put the background colour around a small frame (and white for colours past the
// end of the table); black, as for a source smaller than its thumbnail, is what this program
// shows for nothing.
TEST_F(Gif, BlackAroundASmallFrameAndForMissingColours) {
    GifFixture gif{{6, 5}, colourTable(2), 1, {}};
    gif.frames.push_back(GifFrame{QRect(2, 1, 3, 2), {0, 1, 2, 1, 0, 3}, {}, 2, false, -1, {}});
    const QImage picture = engine::loadPicture(write(encodeGif(gif)));
    ASSERT_EQ(picture.size(), QSize(6, 5));
    const QRgb o = qRgb(0, 0, 0);
    const QRgb a = gif.globalTable[0];
    const QRgb b = gif.globalTable[1];
    const QRgb expected[5][6] = {
        {o, o, o, o, o, o}, {o, o, a, b, o, o}, {o, o, b, a, o, o},
        {o, o, o, o, o, o}, {o, o, o, o, o, o},
    };
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(picture.pixel(x, y), expected[y][x]) << x << "," << y;
        }
    }
}

// A file cut short inside its image data is refused wherever the cut falls; one cut after
// its last pixel still gives the whole picture.
TEST_F(Gif, CutFilesAreRefusedWhereverTheyAreCut) {
    const GifFixture gif = changed(photoGif({40, 30}), [](GifFixture& g) { g.extensions = true; });
    const QByteArray bytes = encodeGif(gif);
    const QImage whole = engine::loadPicture(write(bytes));
    ASSERT_FALSE(whole.isNull());
    const qsizetype dataStart =
        bytes.size() - 1 - subBlocks(lzwCodes(gif.frames[0].indices, 8)).size();
    std::vector<engine::Rgb> row(40);
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        engine::MemorySource source(std::string_view(bytes.constData(), std::size_t(length)));
        engine::gif::FirstFrame frame(source);
        if (!frame.readHeaders()) {
            EXPECT_LT(length, dataStart) << "cut at " << length;
            continue;
        }
        const auto keep = [&](int, const engine::Rgb* pixels) {
            std::copy_n(pixels, row.size(), row.begin());
        };
        if (!frame.decode({29}, nullptr, keep)) {
            EXPECT_FALSE(frame.error().empty());
            continue;
        }
        EXPECT_GT(length, bytes.size() - 8) << "cut at " << length << " decoded";
        EXPECT_TRUE(std::equal(row.begin(), row.end(),
                               reinterpret_cast<const QRgb*>(whole.constScanLine(29))));
    }
}

TEST_F(Gif, HostileFilesAreRefusedBeforeAnythingIsAllocated) {
    const GifFixture valid = simpleGif({8, 6}, 4, 2);
    const auto withCodes = [&](int codeSize, const QByteArray& codes) {
        return encodeGif(changed(valid, [&](GifFixture& g) {
            g.frames[0].minimumCodeSize = codeSize;
            g.frames[0].codes = codes;
        }));
    };
    // The screen's size at 6 and 8; the frame's place and size from 26 (after 13 bytes of
    // headers, a table of 4 colours and the descriptor's mark).
    const QByteArray bytes = encodeGif(valid);
    QByteArray hugeScreen = bytes;
    put16(hugeScreen, 6, 65535), put16(hugeScreen, 8, 65535);
    QByteArray hugeFrame = bytes;
    put16(hugeFrame, 30, 65535), put16(hugeFrame, 32, 65535);
    QByteArray narrowFrame = bytes;
    put16(narrowFrame, 30, 0);
    const QByteArray beforeFrame = bytes.left(25);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"a screen of 65535 x 65535", hugeScreen},
        {"a frame of 65535 x 65535 on a small screen", hugeFrame},
        {"a frame of no width", narrowFrame},
        {"signature GIF88a",
         encodeGif(changed(valid, [](GifFixture& g) { g.signature = "GIF88a"; }))},
        {"the trailer before any frame", beforeFrame + ';'},
        {"a block of no known kind", beforeFrame + 'x'},
        {"an extension cut off", beforeFrame + "!\x01\x05"
                                               "ab"},
        {"code size 0", withCodes(0, "\x01")},
        {"code size 1", withCodes(1, packCodes({2, 0, 1, 3}, 2))},
        {"code size 9", withCodes(9, packCodes({512, 0, 1, 513}, 10))},
        {"a code the table does not hold yet", withCodes(2, packCodes({4, 0, 7, 5}, 3))},
        {"a table code right after a clear", withCodes(2, packCodes({4, 6, 5}, 3))},
        {"the file ending in the image data", bytes.left(bytes.size() - 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = write(c.bytes);
        EXPECT_FALSE(pictureSizeOf(path).isValid() && !engine::loadPicture(path).isNull());
        EXPECT_TRUE(engine::loadPicture(path).isNull());
        EXPECT_TRUE(engine::thumbnailOfFile(path, 112, 132).isNull());
    }
}

}  // namespace
