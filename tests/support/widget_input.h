// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>

class QListWidget;
class QWidget;

namespace testing_support {

// What a user does with keyboard and mouse, delivered to the widget as real events (so event
// filters see them), without a window system or focus.
void typeKeys(QWidget* widget, const QString& text);  // "\b" types Backspace
void pressKey(QWidget* widget, int key, const QString& text = {},
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Alt with `letter` on the active window `window`, as the window system delivers it: through
// the application's shortcuts (access keys of buttons and menu titles) to the focus widget.
void pressAccessKey(QWidget* window, char letter);
void click(QWidget* widget, QPoint at = {-1, -1});  // the centre unless given
// The pointer moves to `at` over the widget with no button held, as the window system
// delivers it: the widget sees it only with mouse tracking on, else its parents may.
void movePointer(QWidget* widget, QPoint at);

// What a list shows, top to bottom.
QStringList texts(const QListWidget* list);

}  // namespace testing_support
