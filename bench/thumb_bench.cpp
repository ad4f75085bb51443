// SPDX-License-Identifier: MIT
// corvel-bench-thumb IN OUT.jpg [WIDTH HEIGHT QUALITY] | --start-only: one thumbnail the way the
// command line makes it (file thumbnail, then the JPEG writer), with nothing else around it.
#include "engine/jpeg_encoder.h"
#include "engine/picture_decoder.h"
#include "engine/picture_file.h"
#include "engine/thumbnail_plan.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--start-only") == 0) {
        return 0;  // the cost of starting: loading the libraries, nothing decoded
    }
    if (argc != 3 && argc != 6) {
        std::fprintf(stderr, "usage: %s IN OUT.jpg [WIDTH HEIGHT QUALITY]\n", argv[0]);
        return 2;
    }
    const int width = argc == 6 ? std::atoi(argv[3]) : 110;
    const int height = argc == 6 ? std::atoi(argv[4]) : 130;
    const int quality = argc == 6 ? std::atoi(argv[5]) : 100;
    const std::unique_ptr<engine::PictureDecoder> picture = engine::openPicture(argv[1]);
    if (!picture) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    // The command line's default size rule: the box stretched over the whole picture.
    const engine::ThumbnailPlan plan =
        engine::planThumbnail(picture->size(), {width, height}, engine::FitMode::Stretch, false);
    const engine::RgbImage thumb =
        plan.isValid() ? engine::readThumbnail(*picture, plan) : engine::RgbImage();
    if (thumb.isNull()) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    if (!engine::writeJpeg(thumb, argv[2], quality)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
