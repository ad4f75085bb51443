#pragma once

#include <QImage>
#include <QString>

namespace engine {

// The one picture loader of the program: the same file gives the same pixels in the window
// and on the command line. BMP, JPEG and GIF (its first frame), recognised by their content;
// the picture comes as RGB32. A null image when the file cannot be loaded, is of another
// kind, or has more than kMaxPicturePixels pixels. Safe to call from several threads at once.
QImage loadPicture(const QString& path);

}  // namespace engine
