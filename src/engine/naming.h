#pragma once

#include <QString>
#include <QtGlobal>

#include "platform/path_style.h"

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

// The parts of one source path P.
struct SourceParts {
    QString path;       // P
    QString extension;  // the source extension with its dot (strExtention)
    QString textName;   // P without its extension (varTextName)
    QString folder;     // S: up to and including the last separator (strPath)
    QString baseName;   // N: the file name without its extension (strSlashRight)

    QString sourceFile() const { return baseName + extension; }  // txtSourceFile
};

// The extension is taken from the last dot of the file name, so a dot in a folder name never
// shortens N, and S + N + extension always gives P back. For the three picture extensions
// this is the last four characters of P.
SourceParts splitSourcePath(const platform::PathStyle& style, const QString& path);

bool isPathTooLong(const platform::PathStyle& style, const SourceParts& source);

// Save-to folder as it is used: a trailing separator, then rooted (PathStyle::insertRoot).
QString normaliseDestination(const platform::PathStyle& style, const QString& folder);

// The name preview row, left to right. Between the preparation and the composition these
// boxes are the working storage of the name.
struct NameRow {
    QString destName;     // txtDestName
    QString filename;     // txtFilename
    QString incrementer;  // txtIncrementer: the letters, or the running number
    QString extension;    // txtExtention: ".jpg", ".bmp" or ".gif"
};

enum class NameStatus {
    Ok,
    PathTooLong,  // more than kMaxPathSeparators separators: no boxes change, no thumbnail
};

// What the boxes get for one picture.
struct NamePreparation {
    NameStatus status = NameStatus::Ok;
    QString sourcePath;  // txtSourcePath: S
    QString sourceFile;  // txtSourceFile: N and the source extension
    NameRow row;
};

// The preparation step of a run for source path P. `current` is the row as the window shows
// it: in save-to-folder mode its destName holds the chosen folder D, and its incrementer the
// letters. In Number mode the incrementer becomes `runningNumber` as text.
NamePreparation prepareName(const platform::PathStyle& style, const QString& path,
                            NameChoice choice, const NameRow& current, qint32 runningNumber);

// The thumbnail's full path (picName) from a prepared row.
QString composeName(const platform::PathStyle& style, const NameRow& row, NameChoice choice);

// Running number K at the start of a Number run: the box text as a 32-bit integer, or the
// previous K when the text is not one.
qint32 startRunningNumber(const QString& text, qint32 previous);
// K after a name used it. Wraps at the 32-bit limit rather than overflowing.
qint32 nextRunningNumber(qint32 k);

// Long paths in labels are shortened in the middle: texts longer than `longest` characters
// show their first `head` characters, `middle`, then their last `tail` characters.
struct LabelRule {
    qsizetype longest;
    qsizetype head;
    const char* middle;
    qsizetype tail;
};

inline constexpr LabelRule kSourceFileLabel{46, 21, "...", 21};  // lblSourceFile in a run
inline constexpr LabelRule kFileNameTrunk{50, 23, "... ", 23};   // lblSourceFile, list click
inline constexpr LabelRule kDestPathLabel{46, 21, "...", 21};    // lblDestPath: picName
inline constexpr LabelRule kPathLabel{46, 21, "...", 21};        // lblPath (subShowPath)

QString shortenLabel(const QString& text, const LabelRule& rule);

}  // namespace engine
