// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/naming.h"
#include "engine/thumbnail_plan.h"

// Paths and names are as the file system spells them (bytes); letters are UTF-8.
namespace thumb {

enum class ThumbType { Jpg, Bmp, Gif, Png, Webp };

// Whether thumbnails of the type keep transparency; the others are laid over a background.
bool keepsTransparency(ThumbType type);

// The thumbnail options of one command, checked against the window's own limits.
struct ThumbOptions {
    int width = 110;   // 0: free (Fit and Fill with `-s xH`)
    int height = 130;  // 0: free (Fit and Fill with `-s W`)
    engine::FitMode mode = engine::FitMode::Stretch;
    ThumbType type = ThumbType::Jpg;
    int quality = 100;                        // JPEG and lossy WebP
    bool lossless = false;                    // WebP
    engine::Rgb background = engine::kBlack;  // under transparent pictures in opaque types
    engine::NameChoice naming{engine::NameMode::None, engine::FileLocation::SaveToFolder};
    std::string letters;      // Prefix and Suffix modes
    std::int32_t number = 0;  // Number mode: the first running number
    std::string destination;  // absolute; save-to-folder mode only
    bool landscape = false;
    bool autoOrient = true;      // EXIF orientation applied before sizing
    bool convertColours = true;  // an embedded colour profile converted to sRGB
    bool overwrite = false;
    int jobs = 1;
    std::vector<std::string> pictures;  // as given
};

// The window's limits. The height limit is lower than the width's; a landscape swap may
// still give a height up to the width limit, as in the window.
inline constexpr int kMaxWidth = 280;
inline constexpr int kMaxHeight = 240;
// Fit and Fill are not the window's rule and may go far beyond its box (2x and 3x thumbnails
// for high-density screens).
inline constexpr int kMaxModeSide = engine::kMaxPlannedSide;
inline constexpr int kMaxLetters = 3;
inline constexpr int kMaxJobs = 256;

std::string extensionOf(ThumbType type);

// `path` made absolute against the working folder, with "." and ".." and doubled or trailing
// separators taken out (links are not resolved).
std::string absoluteClean(const std::string& path);

struct ParsedCommand {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::UsageError;
    ThumbOptions options;
    std::string error;  // UsageError: what is wrong, one line
};

// `arguments` as main() receives them: the program name first.
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText();
std::string versionText();

}  // namespace thumb
