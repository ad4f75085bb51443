#include "fixtures.h"

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
    std::vector<QRgb> colours;
    std::vector<int> pixels;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            auto [at, added] = index.emplace(c, int(colours.size()));
            if (added) {
                colours.push_back(c);
            }
            pixels.push_back(at->second);
        }
    }
    QByteArray bytes("GIF89a");
    put(bytes, std::uint32_t(rgb.width()), 2);
    put(bytes, std::uint32_t(rgb.height()), 2);
    bytes.append(char(0xF7)).append('\0').append('\0');  // global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(colours.size()) ? colours[std::size_t(i)] : 0;
        bytes.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    bytes.append(',');
    put(bytes, 0, 4);
    put(bytes, std::uint32_t(rgb.width()), 2);
    put(bytes, std::uint32_t(rgb.height()), 2);
    bytes.append('\0').append(char(8));  // no local table; minimum code size 8
    // Codes stay 9 bits wide: a clear code before the table would need a tenth bit.
    QByteArray data;
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    const auto emitCode = [&](int code) {
        bitBuffer |= std::uint32_t(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            data.append(char(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i % 250 == 0) {
            emitCode(256);
        }
        emitCode(pixels[i]);
    }
    emitCode(257);
    if (bitCount > 0) {
        data.append(char(bitBuffer & 0xFF));
    }
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes.append(char(block.size())).append(block);
    }
    bytes.append('\0').append(';');
    return bytes;
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

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace engine_fixtures
