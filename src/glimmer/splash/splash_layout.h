// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/property_bag.h"

#include <QString>

#include <vector>

namespace glimmer {

// One "Begin <kind> <name>" ... "End" block of a window layout: the control's kind, its name
// in the window and its property bag (places in twips among them).
struct LayoutBlock {
    QString kind;
    QString name;
    PropertyBag bag;
};

// The blocks of a layout text, in order. A block that cannot be read is left out with a
// warning, so its control keeps its defaults; text outside the blocks is ignored.
std::vector<LayoutBlock> readLayout(const QString& text);

// The splash window's own layout, stored with the program.
std::vector<LayoutBlock> storedLayout();

}  // namespace glimmer
