// SPDX-License-Identifier: MIT
// The visual theme decision: a themed style gets the hot look on buttons and frames, the
// classic one keeps the program's own look; image buttons and colours are left alone.
#include "theme/visual_theme.h"
#include "ui/artwork.h"
#include "ui/controls.h"
#include "ui/image.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(VisualTheme, OnlyTheClassicStyleIsUnthemed) {
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(classic && fusion);
    EXPECT_FALSE(theme::isThemed(*classic));
    EXPECT_TRUE(theme::isThemed(*fusion));
}

struct Window {
    Window() {
        frame = new QGroupBox(QStringLiteral("Options"), &window);
        push = new QPushButton(QStringLiteral("&Browse"), frame);
        check = new QCheckBox(QStringLiteral("Prefix"), frame);
        option = new ui::OptionButton(QStringLiteral("JPG"), frame);
        image = new ui::ImageButton(frame, ui::artwork(ui::Art::Help), ui::artwork(ui::Art::Help));
        QPalette design = push->palette();
        design.setColor(QPalette::WindowText, Qt::darkRed);
        push->setPalette(design);
    }
    QWidget window;
    QGroupBox* frame;
    QPushButton* push;
    QCheckBox* check;
    ui::OptionButton* option;
    ui::ImageButton* image;
};

TEST(VisualTheme, ThemedTurnsTheHotLookOnAndClassicOff) {
    Window w;
    theme::applyVisualTheme(&w.window, true);
    for (QWidget* control : std::initializer_list<QWidget*>{w.frame, w.push, w.check, w.option}) {
        EXPECT_TRUE(control->testAttribute(Qt::WA_Hover)) << control->metaObject()->className();
    }
    EXPECT_FALSE(w.image->testAttribute(Qt::WA_Hover));
    EXPECT_EQ(w.push->palette().color(QPalette::WindowText), QColor(Qt::darkRed));

    // Again with the classic style, as when the desktop changed between two loads.
    theme::applyVisualTheme(&w.window, false);
    for (QWidget* control : std::initializer_list<QWidget*>{w.frame, w.push, w.check, w.option}) {
        EXPECT_FALSE(control->testAttribute(Qt::WA_Hover)) << control->metaObject()->className();
    }
    EXPECT_EQ(w.push->palette().color(QPalette::WindowText), QColor(Qt::darkRed));
}

TEST(VisualTheme, TheDecisionFollowsTheWindowsStyle) {
    Window w;
    theme::applyVisualTheme(&w.window);
    EXPECT_EQ(w.push->testAttribute(Qt::WA_Hover), theme::isThemed(*w.window.style()));
    theme::applyVisualTheme(nullptr);  // a window that is not there is no fault
}

}  // namespace
