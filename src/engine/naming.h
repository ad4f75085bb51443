// SPDX-License-Identifier: MIT
#pragma once

#include "platform/path_style.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// How a thumbnail's name is made from its source's (the Name option).
enum class NameMode { Prefix, Suffix, Number, None };

// Where thumbnails go (the FileLocation option: 0 the chosen folder, 1 each source's own).
enum class FileLocation { SaveToFolder = 0, SourceFolder = 1 };

struct NameChoice {
    NameMode mode = NameMode::Prefix;
    FileLocation location = FileLocation::SaveToFolder;
};

// A source path may hold at most this many separators; deeper ones are not named.
inline constexpr int kMaxPathSeparators = 15;

// Names are paths as the file system spells them (bytes): every rule below looks only at
// separators, colons and dots, which are single bytes in UTF-8.

// The parts of one source path P.
struct SourceParts {
    std::string path;       // P
    std::string extension;  // the source extension with its dot (strExtention)
    std::string textName;   // P without its extension (varTextName)
    std::string folder;     // S: up to and including the last separator (strPath)
    std::string baseName;   // N: the file name without its extension (strSlashRight)

    std::string sourceFile() const { return baseName + extension; }  // txtSourceFile
};

// The extension is taken from the last dot of the file name, so a dot in a folder name never
// shortens N, and S + N + extension always gives P back. For the three picture extensions
// this is the last four characters of P.
SourceParts splitSourcePath(const platform::PathStyle& style, const std::string& path);

bool isPathTooLong(const platform::PathStyle& style, const SourceParts& source);

// Save-to folder as it is used: a trailing separator, then rooted (PathStyle::insertRoot).
std::string normaliseDestination(const platform::PathStyle& style, const std::string& folder);

// The name preview row, left to right. Between the preparation and the composition these
// boxes are the working storage of the name.
struct NameRow {
    std::string destName;     // txtDestName
    std::string filename;     // txtFilename
    std::string incrementer;  // txtIncrementer: the letters, or the running number
    std::string extension;    // txtExtention: ".jpg", ".bmp" or ".gif"
};

enum class NameStatus {
    Ok,
    PathTooLong,  // more than kMaxPathSeparators separators: no boxes change, no thumbnail
};

// What the boxes get for one picture.
struct NamePreparation {
    NameStatus status = NameStatus::Ok;
    std::string sourcePath;  // txtSourcePath: S
    std::string sourceFile;  // txtSourceFile: N and the source extension
    NameRow row;
};

// The preparation step of a run for source path P. `current` is the row as the window shows
// it: in save-to-folder mode its destName holds the chosen folder D, and its incrementer the
// letters. In Number mode the incrementer becomes `runningNumber` as text. Without
// `limitDepth` a path of any depth is named (the window's limit is kMaxPathSeparators).
NamePreparation prepareName(const platform::PathStyle& style, const std::string& path,
                            NameChoice choice, const NameRow& current, std::int32_t runningNumber,
                            bool limitDepth = true);

// The thumbnail's full path (picName) from a prepared row.
std::string composeName(const platform::PathStyle& style, const NameRow& row, NameChoice choice);

// Running number K at the start of a Number run: the box text as a 32-bit integer
// (number_text.h), or the previous K when the text is not one.
std::int32_t startRunningNumber(const std::string& text, std::int32_t previous);
// K after a name used it. Wraps at the 32-bit limit rather than overflowing.
std::int32_t nextRunningNumber(std::int32_t k);

}  // namespace engine
