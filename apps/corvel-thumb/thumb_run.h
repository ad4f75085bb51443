#pragma once

#include <QStringList>
#include <QTextStream>

#include "thumb_options.h"

namespace thumb {

inline constexpr int kAllWritten = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;

// Where a command reports: one line per picture (written on `out`, failed on `err`), a
// progress bar on `err` when it is a terminal, and the summary on `out`.
struct Console {
    QTextStream& out;
    QTextStream& err;
    bool progressBar = false;
};

// Makes the thumbnails of checked options. Returns the exit status.
int makeThumbnails(const ThumbOptions& options, Console console);

// The whole command: arguments as QCoreApplication::arguments() gives them.
int runCommand(const QStringList& arguments, Console console);

}  // namespace thumb
