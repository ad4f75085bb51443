// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include "ui/accessible.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QObject>

namespace ui {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    installAccessibility();
    setAutoExclusive(false);
}

void OptionButton::nextCheckState() {
    if (!isChecked()) {
        setChecked(true);
    }
}

void setCaption(QLabel* label, const QString& caption) {
    const QRect before = label->geometry();
    label->setText(caption);
    label->adjustSize();
    const Qt::Alignment align = label->alignment();
    int left = before.left();
    if (align & Qt::AlignRight) {
        left = before.right() + 1 - label->width();
    } else if (align & Qt::AlignHCenter) {
        left = before.left() + (before.width() - label->width()) / 2;
    }
    label->move(left, before.top());
}

void setWithTip(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setToolTip(text);
}

namespace {

class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            // A press on a child is the child's: a frame inside a frame is not clicked twice
            // when the inner one passes the press on to its container.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton &&
                       widget->childAt(mouse->position().toPoint()) == nullptr;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                               widget->rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click) {
                action_();
            }
        }
        return false;
    }

  private:
    std::function<void()> action_;
    bool pressed_ = false;
};

class PressFilter : public QObject {
  public:
    PressFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            action_();
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

class KeyFilter : public QObject {
  public:
    KeyFilter(QWidget* widget, std::function<bool(QKeyEvent*)> filter)
        : QObject(widget), filter_(std::move(filter)) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        return !key->text().isEmpty() && filter_(key);
    }

  private:
    std::function<bool(QKeyEvent*)> filter_;
};

}  // namespace

void onClick(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new ClickFilter(widget, std::move(action)));
}

void onMousePress(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new PressFilter(widget, std::move(action)));
}

void filterKeys(QWidget* widget, std::function<bool(QKeyEvent*)> filter) {
    widget->installEventFilter(new KeyFilter(widget, std::move(filter)));
}

}  // namespace ui
