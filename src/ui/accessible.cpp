// SPDX-License-Identifier: MIT
#include "ui/accessible.h"

#include "ui/controls.h"
#include "ui/image.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {

namespace {

// The caption as read aloud: access-key ampersands dropped, a doubled one kept as one.
QString spoken(QString caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

class ImageButtonAccessible : public QAccessibleWidget {
  public:
    explicit ImageButtonAccessible(ImageButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QWidget* w = widget();
        switch (t) {
            case QAccessible::Name:
                return w->accessibleName().isEmpty() ? w->toolTip() : w->accessibleName();
            case QAccessible::Description:
                // The tooltip already is the name when no other name was given.
                return w->accessibleName().isEmpty() ? w->accessibleDescription()
                                                     : QAccessibleWidget::text(t);
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (widget()->isEnabled()) {
                static_cast<ImageButton*>(widget())->press();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) {
            return {QStringLiteral("Space")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

class OptionButtonAccessible : public QAccessibleWidget {
  public:
    explicit OptionButtonAccessible(OptionButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return spoken(button()->text());
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (button()->isEnabled()) {
                button()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    OptionButton* button() const { return static_cast<OptionButton*>(widget()); }
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key == QLatin1String(ImageButton::staticMetaObject.className())) {
        return new ImageButtonAccessible(static_cast<ImageButton*>(object));
    }
    if (key == QLatin1String(OptionButton::staticMetaObject.className())) {
        return new OptionButtonAccessible(static_cast<OptionButton*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

}  // namespace ui
