// SPDX-License-Identifier: MIT
#include "engine/naming.h"

#include "engine/number_text.h"

namespace engine {

SourceParts splitSourcePath(const platform::PathStyle& style, const std::string& path) {
    SourceParts parts;
    parts.path = path;
    const auto nameStart = std::size_t(style.lastSeparator(path) + 1);
    parts.folder = path.substr(0, nameStart);
    const std::size_t dot = path.rfind('.');
    const std::size_t extensionStart =
        dot != std::string::npos && dot >= nameStart ? dot : path.size();
    parts.extension = path.substr(extensionStart);
    parts.textName = path.substr(0, extensionStart);
    parts.baseName = path.substr(nameStart, extensionStart - nameStart);
    return parts;
}

bool isPathTooLong(const platform::PathStyle& style, const SourceParts& source) {
    return style.countSeparators(source.textName) > kMaxPathSeparators;
}

std::string normaliseDestination(const platform::PathStyle& style, const std::string& folder) {
    return style.insertRoot(style.withTrailingSeparator(folder));
}

NamePreparation prepareName(const platform::PathStyle& style, const std::string& path,
                            NameChoice choice, const NameRow& current, std::int32_t runningNumber,
                            bool limitDepth) {
    NamePreparation prepared;
    prepared.row = current;
    const SourceParts source = splitSourcePath(style, path);
    if (limitDepth && isPathTooLong(style, source)) {
        prepared.status = NameStatus::PathTooLong;
        return prepared;
    }
    prepared.sourcePath = source.folder;
    prepared.sourceFile = source.sourceFile();
    if (choice.mode == NameMode::Number) {
        prepared.row.incrementer = std::to_string(runningNumber);
    }
    prepared.row.filename = source.baseName;
    if (choice.location == FileLocation::SaveToFolder) {
        prepared.row.destName = normaliseDestination(style, current.destName);
    } else if (choice.mode == NameMode::Prefix) {
        prepared.row.destName = source.folder;
    } else {
        // The file name is already in the folder box; the composition adds only what follows.
        prepared.row.destName = source.folder + source.baseName;
    }
    return prepared;
}

namespace {

// X & L & N & E, X & N & L & E, X & N & "_" & K & E, X & N & E, with X the rooted folder D.
std::string composeInSaveToFolder(const std::string& folder, const NameRow& row, NameMode mode) {
    switch (mode) {
        case NameMode::Prefix:
            return folder + row.incrementer + row.filename + row.extension;
        case NameMode::Suffix:
            return folder + row.filename + row.incrementer + row.extension;
        case NameMode::Number:
            return folder + row.filename + '_' + row.incrementer + row.extension;
        case NameMode::None:
            break;
    }
    return folder + row.filename + row.extension;
}

// X holds S, or S and N outside the Prefix mode (see prepareName), so N is not added again
// and the running number follows the name without a "_".
std::string composeInSourceFolder(const NameRow& row, NameMode mode) {
    switch (mode) {
        case NameMode::Prefix:
            return row.destName + row.incrementer + row.filename + row.extension;
        case NameMode::Suffix:
        case NameMode::Number:
            return row.destName + row.incrementer + row.extension;
        case NameMode::None:
            break;
    }
    return row.destName + row.extension;
}

}  // namespace

std::string composeName(const platform::PathStyle& style, const NameRow& row, NameChoice choice) {
    if (choice.location == FileLocation::SourceFolder) {
        return composeInSourceFolder(row, choice.mode);
    }
    return composeInSaveToFolder(style.insertRoot(row.destName), row, choice.mode);
}

std::int32_t startRunningNumber(const std::string& text, std::int32_t previous) {
    return parseInt32(text).value_or(previous);
}

std::int32_t nextRunningNumber(std::int32_t k) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(k) + 1U);
}

}  // namespace engine
