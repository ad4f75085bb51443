// SPDX-License-Identifier: MIT
// corvel-bench-window [--before | --command-line] IN OUT.jpg [WIDTH HEIGHT QUALITY] | --idle:
// one picture the way a window run's tick makes it, with nothing of the window around it: the
// thumbnail and the run's source preview from one read, then the canvas bitmap converted to a
// JPEG file. Prints "work SECONDS", the time from opening the picture to the file written (a
// running window has its libraries loaded already).
// --before makes it the way the tick did before it read pictures row by row (the whole picture
// decoded, then sampled), to compare the files and the cost; --command-line makes corvel-thumb's
// calls for the file instead, timed the same way; --idle loads the libraries and decodes
// nothing: the memory a window has before its first picture.
#include "engine/byte_source.h"
#include "engine/picture_file.h"
#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/bmp_to_jpg.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "platform/dialogs.h"
#include "thumb_output.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The run's stretched source preview: 281 x 185 pixels less its 1-pixel frame.
constexpr engine::Size kStretchedPreview(279, 183);

// The run shows a picture this small at its natural size (w + 4 <= 290, h + 4 <= 240).
engine::Size previewBoxFor(engine::Size picture) {
    return picture.width() + 4 <= 290 && picture.height() + 4 <= 240 ? picture : kStretchedPreview;
}

// A run's message boxes, printed: the conversion names a load failure in one.
class PrintedDialogs : public platform::Dialogs {
  public:
    platform::Answer message(const QString& text, const QString& title, platform::Icon,
                             platform::Buttons) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return platform::Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

// The thumbnail and the preview the tick shows; null when the picture cannot be loaded.
QImage render(const QString& path, int width, int height, bool before, QImage* preview) {
    if (before) {
        const QImage picture = engine::loadPicture(path);
        *preview = picture;
        return engine::sampleThumbnail(picture, width + 2, height + 2);
    }
    const auto decoder = engine::openPicture(engine::nativePath(path));
    if (!decoder) {
        return {};
    }
    const engine::Size size = decoder->size();
    const engine::WindowPictures read = engine::readThumbnailAndPreview(
        *decoder, {width + 2, height + 2}, engine::toQSize(previewBoxFor(size)));
    *preview = read.preview;
    return read.thumbnail;
}

enum class Way { Tick, Before, CommandLine };

bool make(Way way, const QString& in, const QString& out, int width, int height,
          const QString& quality) {
    if (way == Way::CommandLine) {
        thumb::ThumbOptions options;  // the defaults are the window's: stretch, JPEG, upright
        options.width = width;
        options.height = height;
        options.quality = quality.toInt();
        options.overwrite = true;
        const thumb::RenderedPicture rendered =
            thumb::renderPicture(engine::nativePath(in), options);
        return !rendered.thumbnail.isNull() &&
               thumb::writeThumbnailFile(rendered.thumbnail, engine::nativePath(out), options)
                   .written();
    }
    QImage preview;
    const QImage thumbnail = render(in, width, height, way == Way::Before, &preview);
    if (thumbnail.isNull() || preview.isNull()) {
        return false;
    }
    const QByteArray bitmap = engine::encodeBitmap(thumbnail);
    engine::MemorySource source(engine::bytesOf(bitmap));
    PrintedDialogs dialogs;
    return engine::BmpToJpg(source, out, out, quality, dialogs) == engine::ConvertStatus::Converted;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
        return 0;
    }
    Way way = Way::Tick;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--before") == 0) {
        way = Way::Before;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "--command-line") == 0) {
        way = Way::CommandLine;
        first = 2;
    }
    if (argc - first != 2 && argc - first != 5) {
        std::fprintf(stderr,
                     "usage: %s [--before | --command-line] IN OUT.jpg [WIDTH HEIGHT QUALITY] | "
                     "--idle\n",
                     argv[0]);
        return 2;
    }
    const bool sized = argc - first == 5;
    const int width = sized ? std::atoi(argv[first + 2]) : 110;
    const int height = sized ? std::atoi(argv[first + 3]) : 130;
    const QString quality = sized ? QString::fromLocal8Bit(argv[first + 4]) : QStringLiteral("100");

    const auto start = std::chrono::steady_clock::now();
    if (!make(way, QString::fromLocal8Bit(argv[first]), QString::fromLocal8Bit(argv[first + 1]),
              width, height, quality)) {
        std::fprintf(stderr, "cannot make %s from %s\n", argv[first + 1], argv[first]);
        return 1;
    }
    const std::chrono::duration<double> work = std::chrono::steady_clock::now() - start;
    std::printf("work %.6f\n", work.count());
    return 0;
}
