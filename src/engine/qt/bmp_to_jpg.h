// SPDX-License-Identifier: MIT
#pragma once

#include "engine/byte_source.h"
#include "platform/dialogs.h"

#include <QString>

namespace engine {

// How a BmpToJpg call ended. Anything but Converted leaves the bitmap data in the file.
enum class ConvertStatus {
    Converted,
    BadQuality,    // the quality text is not a 16-bit whole number: nothing was read
    NotAllocated,  // no image buffer for the bitmap's size and depth (silent)
    NotLoaded,     // the bitmap could not be read ("Bmp to JPG Error 987" was shown)
    NotSaved,      // the JPEG could not be written (quality out of 1..100, write failure)
};

// Reads the BMP `source` and writes it as a JPEG to `destination` (often the same path: the
// whole bitmap is in memory before the file is written again) at the quality given as text,
// read the way the quality box is read. 16-, 24- and 32-bit bitmaps are handled as 24-bit,
// 1-bit ones are widened to 8 bits. The JPEG replaces `destination` only once it is whole
// (file_write.h); on any failure `destination` is left as it was.
ConvertStatus BmpToJpg(const QString& source, const QString& destination,
                       const QString& qualityText, platform::Dialogs& dialogs);
// The same from bitmap bytes not on disk (the window's canvas); `source` names them in the
// load failure message.
ConvertStatus BmpToJpg(ByteSource& bitmap, const QString& source, const QString& destination,
                       const QString& qualityText, platform::Dialogs& dialogs);

}  // namespace engine
