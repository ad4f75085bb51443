// SPDX-License-Identifier: MIT
#include "fixtures.h"

#include "engine/picture_file.h"
#include "engine/qt/conversions_qt.h"

#include <QFile>
#include <QPainter>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include <jpeglib.h>

namespace engine_fixtures {

QImage coordinatePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = qRgb(x & 0xFF, ((x >> 8) & 0xF) | ((y >> 8) & 0xF) << 4, y & 0xFF);
        }
    }
    return picture;
}

QPoint coordinateOf(QRgb pixel) {
    return {qRed(pixel) | (qGreen(pixel) & 0xF) << 8, qBlue(pixel) | (qGreen(pixel) >> 4) << 8};
}

QImage photographicPicture(int width, int height, unsigned seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-40, 40);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto clamp = [](int v) { return std::clamp(v, 0, 255); };
            row[x] = qRgb(clamp(x * 255 / width + noise(random)),
                          clamp(y * 255 / height + noise(random)),
                          clamp((x + y) * 127 / (width + height) + 64 + noise(random)));
        }
    }
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::yellow, 3));
    painter.setBrush(QColor(20, 90, 200));
    painter.drawEllipse(QRect(width / 5, height / 4, width / 3, height / 2));
    painter.setBrush(QColor(200, 30, 40));
    painter.drawRect(QRect(width / 2, height / 3, width / 3, height / 3));
    painter.drawLine(0, height - 1, width - 1, 0);
    return picture;
}

namespace {

struct Fail {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failJpeg(j_common_ptr codec) {
    std::longjmp(reinterpret_cast<Fail*>(codec->err)->jump, 1);
}

bool compressFixture(jpeg_compress_struct* codec, Fail* fail, const QImage* rgb,
                     const JpegFixture* options, unsigned char** buffer, unsigned long* size) {
    if (setjmp(fail->jump)) {
        return false;
    }
    jpeg_create_compress(codec);
    jpeg_mem_dest(codec, buffer, size);
    codec->image_width = JDIMENSION(rgb->width());
    codec->image_height = JDIMENSION(rgb->height());
    codec->input_components = options->grey ? 1 : 3;
    codec->in_color_space = options->grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(codec);
    jpeg_set_quality(codec, options->quality, TRUE);
    if (!options->grey) {
        codec->comp_info[0].h_samp_factor = options->hSample;
        codec->comp_info[0].v_samp_factor = options->vSample;
    }
    codec->restart_interval = unsigned(options->restartInterval);
    if (options->progressive) {
        jpeg_simple_progression(codec);
    }
    jpeg_start_compress(codec, TRUE);
    while (codec->next_scanline < codec->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb->constScanLine(int(codec->next_scanline)));
        jpeg_write_scanlines(codec, &row, 1);
    }
    jpeg_finish_compress(codec);
    return true;
}

void put(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

QByteArray encodeJpegFixture(const QImage& picture, const JpegFixture& options) {
    const QImage rgb = options.grey ? picture.convertToFormat(QImage::Format_Grayscale8)
                                    : picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct codec{};
    Fail fail{};
    codec.err = jpeg_std_error(&fail.manager);
    fail.manager.error_exit = failJpeg;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = compressFixture(&codec, &fail, &rgb, &options, &buffer, &size);
    jpeg_destroy_compress(&codec);
    QByteArray bytes;
    if (done) {
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    }
    std::free(buffer);
    return bytes;
}

namespace {

// The offset of the frame header's marker (SOF0 to SOF15 but DHT, JPG and DAC).
qsizetype frameHeader(const QByteArray& jpeg) {
    for (qsizetype at = 2; at + 9 < jpeg.size();) {
        const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            return at;
        }
        at += 2 + ((static_cast<unsigned char>(jpeg[at + 2]) << 8) |
                   static_cast<unsigned char>(jpeg[at + 3]));
    }
    return -1;
}

}  // namespace

QByteArray withClaimedSize(QByteArray jpeg, int width, int height) {
    const qsizetype at = frameHeader(jpeg);
    jpeg[at + 5] = char(height >> 8), jpeg[at + 6] = char(height);
    jpeg[at + 7] = char(width >> 8), jpeg[at + 8] = char(width);
    return jpeg;
}

QByteArray withPrecision(QByteArray jpeg, int bits) {
    jpeg[frameHeader(jpeg) + 4] = char(bits);
    return jpeg;
}

QByteArray withFrameType(QByteArray jpeg, int marker) {
    jpeg[frameHeader(jpeg) + 1] = char(marker);
    return jpeg;
}

QByteArray withEmptyScans(QByteArray jpeg, int count) {
    // An AC scan of the first component (its id is 1 in libjpeg's files): coefficients 1 to 63.
    const QByteArray scan("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00", 10);
    jpeg.insert(jpeg.size() - 2, scan.repeated(count));
    return jpeg;
}

QByteArray encodeBmpFixture(const BmpFixture& bmp) {
    const int rows = std::abs(bmp.height);
    const int stride = (bmp.width * bmp.bitsPerPixel + 31) / 32 * 4;
    const bool core = bmp.headerSize == 12;
    const bool masksAfter = bmp.headerSize == 40 && !bmp.masks.empty();
    const int paletteBytes = int(bmp.palette.size()) * (core ? 3 : 4);
    const int offset =
        14 + int(bmp.headerSize) + (masksAfter ? 4 * int(bmp.masks.size()) : 0) + paletteBytes;
    QByteArray bytes("BM");
    put(bytes, std::uint32_t(offset + stride * rows), 4);
    put(bytes, 0, 4);
    put(bytes, std::uint32_t(offset), 4);
    put(bytes, bmp.headerSize, 4);
    if (core) {
        put(bytes, std::uint32_t(bmp.width), 2);
        put(bytes, std::uint32_t(bmp.height), 2);
        put(bytes, 1, 2);
        put(bytes, std::uint32_t(bmp.bitsPerPixel), 2);
    } else {
        put(bytes, std::uint32_t(bmp.width), 4);
        put(bytes, std::uint32_t(bmp.height), 4);
        put(bytes, 1, 2);
        put(bytes, std::uint32_t(bmp.bitsPerPixel), 2);
        put(bytes, bmp.compression, 4);
        put(bytes, std::uint32_t(stride * rows), 4);
        put(bytes, 2835, 4);
        put(bytes, 2835, 4);
        put(bytes, std::uint32_t(bmp.palette.size()), 4);
        put(bytes, 0, 4);
        for (std::size_t i = 0; !masksAfter && i < bmp.headerSize - 40; i += 4) {
            put(bytes, i / 4 < bmp.masks.size() ? bmp.masks[i / 4] : 0, 4);
        }
    }
    for (std::size_t i = 0; masksAfter && i < bmp.masks.size(); ++i) {
        put(bytes, bmp.masks[i], 4);
    }
    for (QRgb colour : bmp.palette) {
        bytes.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour)));
        if (!core) {
            bytes.append('\0');
        }
    }
    for (int stored = 0; stored < rows; ++stored) {
        const int y = bmp.height < 0 ? stored : rows - 1 - stored;
        QByteArray row(stride, '\0');
        for (int x = 0; x < bmp.width; ++x) {
            const std::uint32_t v = bmp.pixels[std::size_t(y) * std::size_t(bmp.width) + x];
            const int bits = bmp.bitsPerPixel;
            if (bits < 8) {
                const int shift = 8 - bits * (x % (8 / bits) + 1);
                row[x * bits / 8] = char(row[x * bits / 8] | char(v << shift));
            } else {
                for (int b = 0; b < bits / 8; ++b) {
                    row[x * bits / 8 + b] = char((v >> (8 * b)) & 0xFF);
                }
            }
        }
        bytes.append(row);
    }
    return bytes;
}

QByteArray encodeGifFixture(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> index;
    GifFixture gif{rgb.size(), {}, 0, {GifFrame{rgb.rect(), {}, {}, 8, false, -1, {}}}};
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            auto [at, added] = index.emplace(c, int(gif.globalTable.size()));
            if (added) {
                gif.globalTable.push_back(c);
            }
            gif.frames[0].indices.push_back(std::uint8_t(at->second));
        }
    }
    return encodeGif(gif);
}

QByteArray packCodes(const std::vector<int>& codes, int codeSize) {
    QByteArray data;
    std::uint32_t bits = 0;
    int count = 0;
    for (const int code : codes) {
        bits |= std::uint32_t(code) << count;
        count += codeSize;
        for (; count >= 8; count -= 8, bits >>= 8) {
            data.append(char(bits & 0xFF));
        }
    }
    if (count > 0) {
        data.append(char(bits & 0xFF));
    }
    return data;
}

QByteArray lzwCodes(const std::vector<std::uint8_t>& indices, int minimumCodeSize, int clearEvery,
                    bool clearWhenFull) {
    const int clear = 1 << minimumCodeSize;
    QByteArray data;
    std::uint32_t bits = 0;
    int count = 0;
    int codeSize = minimumCodeSize + 1;
    // The string table: code of (prefix code, next index), 0 where there is none yet.
    std::vector<std::uint16_t> table(4096 * 256, 0);
    int next = clear + 2;
    const auto putCode = [&](int code) {
        bits |= std::uint32_t(code) << count;
        count += codeSize;
        for (; count >= 8; count -= 8, bits >>= 8) {
            data.append(char(bits & 0xFF));
        }
        // The decoder has made one entry less so far; it widens its codes once it has made
        // the entry the next code may name.
        if (next >= (1 << codeSize) && codeSize < 12) {
            ++codeSize;
        }
    };
    int emitted = 0;
    const auto reset = [&] {
        putCode(clear);
        std::fill(table.begin(), table.end(), 0);
        next = clear + 2;
        codeSize = minimumCodeSize + 1;
        emitted = 0;
    };
    reset();
    int prefix = -1;
    for (const std::uint8_t index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const std::size_t key = std::size_t(prefix) * 256 + index;
        if (table[key] != 0) {
            prefix = table[key];
            continue;
        }
        putCode(prefix);
        ++emitted;
        if (next < 4096) {
            table[key] = std::uint16_t(next++);
        }
        prefix = index;
        if ((next == 4096 && clearWhenFull) || (clearEvery > 0 && emitted >= clearEvery)) {
            reset();
        }
    }
    if (prefix >= 0) {
        putCode(prefix);
    }
    putCode(clear + 1);
    if (count > 0) {
        data.append(char(bits & 0xFF));
    }
    return data;
}

QByteArray subBlocks(const QByteArray& data) {
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        blocks.append(char(block.size())).append(block);
    }
    return blocks.append('\0');
}

namespace {

// A colour table's size field: the table holds 2 << field entries.
int tableField(const std::vector<QRgb>& table) {
    int field = 0;
    while ((2u << field) < table.size()) {
        ++field;
    }
    return field;
}

void appendTable(QByteArray& bytes, const std::vector<QRgb>& table) {
    for (std::size_t i = 0; i < (2u << tableField(table)); ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        bytes.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
}

}  // namespace

QByteArray encodeGif(const GifFixture& gif) {
    QByteArray bytes(gif.signature);
    put(bytes, std::uint32_t(gif.screen.width()), 2);
    put(bytes, std::uint32_t(gif.screen.height()), 2);
    const int global = tableField(gif.globalTable);
    bytes.append(char(gif.globalTable.empty() ? 0 : 0x80 | global << 4 | global));
    bytes.append(char(gif.background)).append('\0');
    if (!gif.globalTable.empty()) {
        appendTable(bytes, gif.globalTable);
    }
    if (gif.extensions) {
        bytes.append("\x21\xFE").append(subBlocks("made by the tests"));
        bytes
            .append(
                "\x21\xFF\x0B"
                "NETSCAPE2.0")
            .append(QByteArray("\x03\x01\x00\x00\x00", 5));
    }
    for (const GifFrame& frame : gif.frames) {
        if (frame.transparentIndex >= 0) {
            bytes.append(QByteArray("\x21\xF9\x04\x01\x00\x00", 6))
                .append(char(frame.transparentIndex))
                .append('\0');
        }
        bytes.append(',');
        put(bytes, std::uint32_t(frame.rect.x()), 2);
        put(bytes, std::uint32_t(frame.rect.y()), 2);
        put(bytes, std::uint32_t(frame.rect.width()), 2);
        put(bytes, std::uint32_t(frame.rect.height()), 2);
        const int local = tableField(frame.localTable);
        bytes.append(
            char((frame.localTable.empty() ? 0 : 0x80 | local) | (frame.interlaced ? 0x40 : 0)));
        if (!frame.localTable.empty()) {
            appendTable(bytes, frame.localTable);
        }
        std::vector<std::uint8_t> order = frame.indices;
        if (frame.interlaced) {
            order.clear();
            const int width = frame.rect.width();
            for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = start; y < frame.rect.height(); y += step) {
                    const auto row = frame.indices.begin() + std::ptrdiff_t(y) * width;
                    order.insert(order.end(), row, row + width);
                }
            }
        }
        bytes.append(char(frame.minimumCodeSize));
        bytes.append(subBlocks(
            !frame.codes.isEmpty()
                ? frame.codes
                : lzwCodes(order, frame.minimumCodeSize, gif.clearEvery, gif.clearWhenFull)));
    }
    return bytes.append(';');
}

void put32(QByteArray& bytes, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    }
}

void put16(QByteArray& bytes, int offset, std::uint16_t value) {
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

QSize pictureSizeOf(const QString& path) {
    return engine::toQSize(engine::pictureSize(engine::nativePath(path)));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace engine_fixtures
