// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QListWidget;

namespace ui {

// The list box Click: runs `click` when the current entry changes (by the user or in code) and
// when the user clicks the entry that already was current. The press of a double click is no
// click of its own.
void onListClick(QListWidget* list, std::function<void()> click);

}  // namespace ui
