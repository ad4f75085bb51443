// SPDX-License-Identifier: MIT
#pragma once

#include "engine/picture_file.h"

#include <QImage>
#include <QString>

// The window's face of picture_file.h: the same pictures and thumbnails as window images.
namespace engine {

// The one picture loader of the program, for the window: the whole picture of openPicture
// (picture_file.h) as a window image, RGB32. The same file gives the same pixels in the window and
// on the command line. A null image when the file cannot be loaded. Safe to call from several
// threads at once.
QImage loadPicture(const QString& path);

// readThumbnail (picture_file.h) as a window image: exactly
// sampleThumbnail(loadPicture(path), callWidth, callHeight), decoding only the rows sampled.
QImage thumbnailOfFile(const QString& path, int callWidth, int callHeight);

// A picture's thumbnail and source preview as window images.
struct WindowPictures {
    QImage thumbnail;     // null when the call size leaves no inner area
    QImage preview;       // null for an empty box
    bool loaded = false;  // false when the picture turned out unreadable: both are null
};
// readThumbnailAndPreview (picture_file.h) for the window, from a picture opened with
// openPicture: the thumbnail at the call size, exactly
// sampleThumbnail(loadPicture(path), callSize), and the picture stretched smoothly into
// `previewBox` (source_preview.h), in one pass that decodes only the rows the two take. The
// whole picture is never held: a run's tick costs about what corvel-thumb's thumbnail does.
WindowPictures readThumbnailAndPreview(PictureDecoder& decoder, QSize callSize, QSize previewBox);

}  // namespace engine
