// SPDX-License-Identifier: MIT
#include "support/widget_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace testing_support {

void pressKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void pressAccessKey(QWidget* window, char letter) {
    // Shortcuts of a window answer only while it is the active one.
    QApplication::setActiveWindow(window);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    const QChar key = QChar(QLatin1Char(letter)).toUpper();
    QTest::keyClick(target, static_cast<Qt::Key>(key.unicode()), Qt::AltModifier);
}

void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\b')) {
            pressKey(widget, Qt::Key_Backspace, QStringLiteral("\b"));
        } else {
            const int key =
                c.isLetterOrNumber() ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
            pressKey(widget, key, QString(c));
        }
    }
}

void click(QWidget* widget, QPoint at) {
    const QPointF local = at.x() < 0 ? QPointF(widget->rect().center()) : QPointF(at);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void movePointer(QWidget* widget, QPoint at) {
    const QPointF local(at);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row) {
        out.append(list->item(row)->text());
    }
    return out;
}

}  // namespace testing_support
