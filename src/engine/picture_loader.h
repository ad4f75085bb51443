#pragma once

#include <QImage>
#include <QString>

namespace engine {

// The one picture loader of the program: the same file gives the same pixels in the window
// and on the command line. A null image when the file cannot be loaded.
QImage loadPicture(const QString& path);

}  // namespace engine
