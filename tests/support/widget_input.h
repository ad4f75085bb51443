// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QListWidget;
class QWidget;

namespace testing_support {

// What a user does with keyboard and mouse, delivered to the widget as real events (so event
// filters see them), without a window system or focus.
void typeKeys(QWidget* widget, const QString& text);  // "\b" types Backspace
void pressKey(QWidget* widget, int key, const QString& text = {});
void click(QWidget* widget, QPoint at = {-1, -1});  // the centre unless given

// What a list shows, top to bottom.
QStringList texts(const QListWidget* list);

}  // namespace testing_support
