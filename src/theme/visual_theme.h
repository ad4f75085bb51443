// SPDX-License-Identifier: MIT
#pragma once

class QStyle;
class QWidget;

namespace theme {

// A themed desktop style draws controls its own way and lights them up under the mouse; the
// classic one ("Windows") is the plain look the program was drawn for.
bool isThemed(const QStyle& style);

// Lets the window's push buttons, check boxes, option buttons and frames follow the desktop
// style with their hot (hover) state when that style is themed; with the classic style they
// keep the program's own look. Image buttons keep their artwork and the windows keep their
// design colours either way. Call it when a window loads; calling it again does no harm.
void applyVisualTheme(QWidget* window);
// The same with the decision made by the caller.
void applyVisualTheme(QWidget* window, bool themed);

}  // namespace theme
