// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace engine {

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
