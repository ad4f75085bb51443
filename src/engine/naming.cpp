#include "engine/naming.h"

namespace engine {

SourceParts splitSourcePath(const platform::PathStyle& style, const QString& path) {
    SourceParts parts;
    parts.path = path;
    const qsizetype nameStart = style.lastSeparator(path) + 1;
    parts.folder = path.left(nameStart);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype extensionStart = dot >= nameStart ? dot : path.size();
    parts.extension = path.mid(extensionStart);
    parts.textName = path.left(extensionStart);
    parts.baseName = path.mid(nameStart, extensionStart - nameStart);
    return parts;
}

bool isPathTooLong(const platform::PathStyle& style, const SourceParts& source) {
    return style.countSeparators(source.textName) > kMaxPathSeparators;
}

QString normaliseDestination(const platform::PathStyle& style, const QString& folder) {
    return style.insertRoot(style.withTrailingSeparator(folder));
}

NamePreparation prepareName(const platform::PathStyle& style, const QString& path,
                            NameChoice choice, const NameRow& current, qint32 runningNumber) {
    NamePreparation prepared;
    prepared.row = current;
    const SourceParts source = splitSourcePath(style, path);
    if (isPathTooLong(style, source)) {
        prepared.status = NameStatus::PathTooLong;
        return prepared;
    }
    prepared.sourcePath = source.folder;
    prepared.sourceFile = source.sourceFile();
    if (choice.mode == NameMode::Number) {
        prepared.row.incrementer = QString::number(runningNumber);
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
QString composeInSaveToFolder(const QString& folder, const NameRow& row, NameMode mode) {
    switch (mode) {
        case NameMode::Prefix:
            return folder + row.incrementer + row.filename + row.extension;
        case NameMode::Suffix:
            return folder + row.filename + row.incrementer + row.extension;
        case NameMode::Number:
            return folder + row.filename + QLatin1Char('_') + row.incrementer + row.extension;
        case NameMode::None:
            break;
    }
    return folder + row.filename + row.extension;
}

// X holds S, or S and N outside the Prefix mode (see prepareName), so N is not added again
// and the running number follows the name without a "_".
QString composeInSourceFolder(const NameRow& row, NameMode mode) {
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

QString composeName(const platform::PathStyle& style, const NameRow& row, NameChoice choice) {
    if (choice.location == FileLocation::SourceFolder) {
        return composeInSourceFolder(row, choice.mode);
    }
    return composeInSaveToFolder(style.insertRoot(row.destName), row, choice.mode);
}

qint32 startRunningNumber(const QString& text, qint32 previous) {
    bool ok = false;
    const qint32 k = text.trimmed().toInt(&ok, 10);
    return ok ? k : previous;
}

qint32 nextRunningNumber(qint32 k) {
    return static_cast<qint32>(static_cast<quint32>(k) + 1U);
}

QString shortenLabel(const QString& text, const LabelRule& rule) {
    if (text.size() <= rule.longest) {
        return text;
    }
    return text.left(rule.head) + QLatin1String(rule.middle) + text.right(rule.tail);
}

}  // namespace engine
