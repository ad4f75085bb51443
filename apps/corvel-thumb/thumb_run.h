// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "thumb_options.h"

namespace thumb {

inline constexpr int kAllWritten = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;

// Where a command reports: one line per picture (written on `out`, failed on `err`), a
// progress bar on `err` when it is a terminal, and the summary on `out`.
struct Console {
    std::ostream& out;
    std::ostream& err;
    bool progressBar = false;
};

// Makes the thumbnails of checked options. Returns the exit status.
int makeThumbnails(const ThumbOptions& options, Console console);

// The whole command: arguments as main() receives them.
int runCommand(const std::vector<std::string>& arguments, Console console);

}  // namespace thumb
