// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The options panel's own switches: which of its handlers is running, and what its arrows last
// read. Owned by the window's options panel (frm_resize_options.cpp).
struct FrmResizeOptionState {
    // 1 while a handler sets a box or a switch itself: the box's own handler stays out.
    qint16 indChanged = 0;
    // 1 while a check box is set from its menu entry, or the entry from its box.
    qint16 indClick = 0;
    qint16 indMenuClick = 0;
    // The last numbers the size arrows read, used again when a box holds no number.
    qint32 varArrowWidth = 0;
    qint32 varArrowHeight = 0;
    // Whether the destination box takes typing (not with the same-folder option on); a run
    // locks it whatever this says, and unlocks it at its end.
    bool destinationEditable = true;
};
