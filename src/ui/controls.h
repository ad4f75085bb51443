// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

#include <functional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace ui {

// An option button that keeps its own state: a click selects it (never deselects it), and
// code can deselect it, so a window can keep several of them exclusive by hand.
class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    OptionButton(const QString& caption, QWidget* parent);

  protected:
    void nextCheckState() override;
};

// A label that sizes itself to its caption keeps the edge its alignment names: a left
// aligned one grows to the right, a right aligned one to the left, a centred one both ways.
void setCaption(QLabel* label, const QString& caption);

// The box shows `text`, and so does its tooltip.
void setWithTip(QLineEdit* box, const QString& text);

// Runs `action` when the widget is clicked (pressed and released inside it with the left
// button, not on one of its children), for controls that have no click signal of their own.
void onClick(QWidget* widget, std::function<void()> action);

// Runs `action` when a mouse button goes down on the widget, before the widget sees it.
void onMousePress(QWidget* widget, std::function<void()> action);

// Key presses that carry text go to `filter` first; it returns true to discard the key.
void filterKeys(QWidget* widget, std::function<bool(QKeyEvent*)> filter);

}  // namespace ui
