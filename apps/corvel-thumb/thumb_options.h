#pragma once

#include <QString>
#include <QStringList>

#include "engine/naming.h"

namespace thumb {

enum class ThumbType { Jpg, Bmp, Gif };

// The thumbnail options of one command, checked against the window's own limits.
struct ThumbOptions {
    int width = 110;
    int height = 130;
    ThumbType type = ThumbType::Jpg;
    int quality = 100;
    engine::NameChoice naming{engine::NameMode::None, engine::FileLocation::SaveToFolder};
    QString letters;      // Prefix and Suffix modes
    qint32 number = 0;    // Number mode: the first running number
    QString destination;  // absolute; save-to-folder mode only
    bool landscape = false;
    bool overwrite = false;
    int jobs = 1;
    QStringList pictures;  // as given
};

// The window's limits. The height limit is lower than the width's; a landscape swap may
// still give a height up to the width limit, as in the window.
inline constexpr int kMaxWidth = 280;
inline constexpr int kMaxHeight = 240;
inline constexpr int kMaxLetters = 3;
inline constexpr int kMaxJobs = 256;

QString extensionOf(ThumbType type);

struct ParsedCommand {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::UsageError;
    ThumbOptions options;
    QString error;  // UsageError: what is wrong, one line
};

// `arguments` as QCoreApplication::arguments() gives them: the program name first.
ParsedCommand parseCommandLine(const QStringList& arguments);

QString helpText();
QString versionText();

}  // namespace thumb
