// SPDX-License-Identifier: MIT
#include "theme/visual_theme.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QStyle>
#include <QWidget>

namespace theme {

bool isThemed(const QStyle& style) {
    return style.name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

void applyVisualTheme(QWidget* window) {
    if (window) {
        applyVisualTheme(window, isThemed(*window->style()));
    }
}

void applyVisualTheme(QWidget* window, bool themed) {
    if (!window) {
        return;
    }
    // Our image buttons are plain widgets, not buttons: they keep their artwork.
    const auto apply = [themed](QWidget* control) {
        control->setAttribute(Qt::WA_Hover, themed);
        control->update();
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        apply(button);
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        apply(frame);
    }
}

}  // namespace theme
