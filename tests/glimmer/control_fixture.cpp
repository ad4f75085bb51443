// SPDX-License-Identifier: MIT
#include "control_fixture.h"

namespace glimmer_test {

QPalette fixedPalette() {
    QPalette p;
    const auto set = [&](QPalette::ColorRole role, QRgb c) {
        p.setColor(QPalette::All, role, QColor::fromRgb(c));
    };
    set(QPalette::Window, kFace);
    set(QPalette::WindowText, kButtonText);
    set(QPalette::Base, 0xFFFFFFFF);
    set(QPalette::Text, kButtonText);
    set(QPalette::Button, kFace);
    set(QPalette::ButtonText, kButtonText);
    set(QPalette::Dark, kShadow);
    set(QPalette::Light, 0xFFFFFFFF);
    set(QPalette::Midlight, 0xFFE0DCD4);
    set(QPalette::Shadow, 0xFF404040);
    set(QPalette::Highlight, kHighlight);
    set(QPalette::HighlightedText, 0xFFFFFFFF);
    set(QPalette::ToolTipBase, 0xFFFFFFE1);
    set(QPalette::ToolTipText, kButtonText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor::fromRgb(kGrayText));
    return p;
}

ControlTest::ControlTest() : container(std::make_unique<QWidget>()) {
    container->setPalette(fixedPalette());
    container->resize(600, 400);
    container->show();
}

ControlTest::~ControlTest() {
    container.reset();
    platform.verifyAndReset();
}

QImage ControlTest::onScreen(QWidget* control) {
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace glimmer_test
