// SPDX-License-Identifier: MIT
#pragma once

#include "engine/picture_decoder.h"
#include "engine/rgb_image.h"
#include "engine/thumbnail_plan.h"

#include <string>

// From a picture file to its pixels or its thumbnail. The same file gives the same pixels
// everywhere: BMP, JPEG and GIF (its first frame), recognised by their content. Paths are as
// the file system spells them (bytes, not text). Every function is safe to call from several
// threads at once: each call opens its own file and decoder, and they share no state.
namespace engine {

// The size of the picture in a file, read from its header only; an invalid size when the
// file cannot be loaded as a picture.
Size pictureSize(const std::string& path);

// Every row of the decoder's picture into `pixels`, rows `stride` pixels apart.
bool decodeWhole(PictureDecoder& decoder, Rgb* pixels, std::ptrdiff_t stride);

// Exactly sampleThumbnail of the whole decoded picture (decodeWhole), made while decoding only
// the source rows the thumbnail takes (baseline JPEG skips the others, BMP reads only those
// rows), so time and memory follow the thumbnail's size rather than the picture's.
// A null image when the file cannot be loaded or the call size leaves no inner area; then
// `error` (when given) says why.
RgbImage readThumbnail(const std::string& path, int callWidth, int callHeight,
                       std::string* error = nullptr);
// The same from a picture opened with openPicture, not yet decoded (decoder.error() says why
// it failed).
RgbImage readThumbnail(PictureDecoder& decoder, int callWidth, int callHeight);
// The same for a plan (thumbnail_plan.h) made for the decoder's size: exactly sampleThumbnail
// of the whole decoded picture with that plan.
RgbImage readThumbnail(PictureDecoder& decoder, const ThumbnailPlan& plan);
// The same for a plan made for the picture stood upright (orientation.h: uprightSize): the
// plan samples the upright picture, and each sample is read where the decoder stores it, so
// still only the rows and columns sampled are decoded.
RgbImage readThumbnail(PictureDecoder& decoder, const ThumbnailPlan& plan, int orientation);

// A thumbnail and the source preview of one picture, as the window shows them.
struct ThumbnailAndPreview {
    RgbImage thumbnail;
    RgbImage preview;
    bool read = false;  // false when the picture turned out unreadable
};
// readThumbnail(decoder, plan) and the picture stretched smoothly into `previewBox`
// (source_preview.h), from one pass over the file that decodes only the rows the two take: the
// window's run gets both for little more than the thumbnail alone costs. An invalid plan gives
// no thumbnail, an empty box no preview; both are null, and `read` false, when the picture turns
// out unreadable (decoder.error() says why).
ThumbnailAndPreview readThumbnailAndPreview(PictureDecoder& decoder, const ThumbnailPlan& plan,
                                            Size previewBox);

}  // namespace engine
