// SPDX-License-Identifier: MIT
#include "engine/qt/bmp_to_jpg.h"

#include "engine/qt/conversions_qt.h"
#include "engine/qt/imaging.h"
#include "options/thumbnail_options.h"

#include <optional>

namespace engine {

ConvertStatus BmpToJpg(const QString& source, const QString& destination,
                       const QString& qualityText, platform::Dialogs& dialogs) {
    // A 16-bit whole number, as the quality box holds it; checked before the file is opened.
    if (!options::toInt16(qualityText)) {
        return ConvertStatus::BadQuality;
    }
    // One open file for the header and the pixels. A file that cannot be opened reads as
    // empty: its header stays zeroed, which allocimage refuses.
    FileSource file(nativePath(source));
    MemorySource nothing(std::string_view{});
    return BmpToJpg(file.isOpen() ? static_cast<ByteSource&>(file) : nothing, source, destination,
                    qualityText, dialogs);
}

ConvertStatus BmpToJpg(ByteSource& file, const QString& source, const QString& destination,
                       const QString& qualityText, platform::Dialogs& dialogs) {
    using namespace imaging;
    const std::optional<qint16> quality = options::toInt16(qualityText);
    if (!quality) {
        return ConvertStatus::BadQuality;
    }
    BitmapInfoHeader header;
    bmpinfo(file, header);
    const int bits = header.biBitCount >= 16 ? 24 : header.biBitCount;

    ImageDescriptor image;
    if (allocimage(image, header.biWidth, header.biHeight, bits) != kOk) {
        return ConvertStatus::NotAllocated;
    }
    if (loadbmp(file, image) != kOk) {
        freeimage(image);
        dialogs.message(QStringLiteral("Cant load source file! Convert File: ") + source +
                            QStringLiteral(" To File: ") + destination,
                        QStringLiteral("Bmp to JPG Error 987"), platform::Icon::None,
                        platform::Buttons::Ok);
        return ConvertStatus::NotLoaded;
    }
    if (bits == 1) {
        ImageDescriptor image8;
        if (allocimage(image8, header.biWidth, header.biHeight, 8) == kOk) {
            convert1bitto8bit(image, image8);
            freeimage(image);
            copyimgdes(image8, image);
        }
    }
    const std::int32_t saved = savejpg(destination, image, *quality);
    freeimage(image);
    return saved == kOk ? ConvertStatus::Converted : ConvertStatus::NotSaved;
}

}  // namespace engine
