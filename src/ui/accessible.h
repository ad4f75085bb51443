// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// Teaches the accessibility tree about our own controls: an image button is a push button
// named by its accessible name or its tooltip, with a press action; an option button is a
// radio button (the toolkit calls a checkable button that is not auto-exclusive a check box,
// and ours keep their exclusivity by hand). Safe to call more than once.
void installAccessibility();

}  // namespace ui
