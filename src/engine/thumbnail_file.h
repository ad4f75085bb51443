#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace engine {

// The fast road from a picture file to its thumbnail, for the command line and the
// benchmarks. Both functions are safe to call from several threads at once: each call opens
// its own file and decoder, and they share no state.

// The size of the picture in a file, read from its header only; an invalid size when the
// file cannot be loaded as a picture (loadPicture would give a null image for it).
QSize pictureSize(const QString& path);

// Exactly sampleThumbnail(loadPicture(path), callWidth, callHeight), made while decoding
// only the source rows the thumbnail takes (baseline JPEG skips the others, BMP reads only
// those rows), so time and memory follow the thumbnail's size rather than the picture's.
// A null image when the file cannot be loaded or the call size leaves no inner area.
QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight);

}  // namespace engine
