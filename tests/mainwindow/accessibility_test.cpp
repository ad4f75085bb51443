// SPDX-License-Identifier: MIT
// The main window as a keyboard and screen-reader user meets it: what the accessibility tree
// says of each control, and where Tab takes the focus.
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"
#include "theme/visual_theme.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <vector>

using testing_support::pressKey;

namespace {

class Accessibility : public ReturningUserTest {
  protected:
    FrmResize& loadActive() {
        FrmResize& w = load();
        QApplication::setActiveWindow(&w);
        return w;
    }

    static QAccessible::Role role(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->role();
    }
    static QString name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

    // Every widget the focus reaches from `start` with Tab, until it comes round again.
    static std::vector<QWidget*> tabWalk(QWidget* start) {
        std::vector<QWidget*> seen;
        start->setFocus(Qt::TabFocusReason);
        for (QWidget* at = QApplication::focusWidget(); at && seen.size() < 200;
             at = QApplication::focusWidget()) {
            if (std::find(seen.begin(), seen.end(), at) != seen.end()) {
                break;
            }
            seen.push_back(at);
            pressKey(at, Qt::Key_Tab, QStringLiteral("\t"));
        }
        return seen;
    }
};

TEST_F(Accessibility, ImageButtonsAreNamedPushButtons) {
    FrmResize& w = loadActive();
    const std::pair<QWidget*, const char*> buttons[] = {
        {view(w).Image19, "Browse For Source Pictures"},
        {view(w).Image8, "Program Information"},
        {view(w).imgHelperTips_Off, "Pop Up Helper Tips Turned Off"},
        {view(w).Image9, "Program Help"},
        {view(w).Image7, "Exit Program"},
        {view(w).btnUp, "Increase Width"},
        {view(w).btnDown, "Decrease Width"},
        {view(w).btnUp2, "Increase Height"},
        {view(w).btnDown2, "Decrease Height"},
        {view(w).Image2, "Start Processing Source Pictures Into Thumbnails"},
        {view(w).Image3, "Prompt On Overwrite Of Existing Pictures (ON/OFF)"},
        {view(w).Image18, "Save Thumbnails To Original Folder (ON/OFF)"},
        {view(w).Image6, "Auto Landscape Thumbnails (ON/OFF)"},
        {view(w).Image5, "Create New Folder"},
        {view(w).imgOpenFolder, "Open Destination Folder"},
    };
    for (const auto& [button, expected] : buttons) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(role(button), QAccessible::Button);
        EXPECT_EQ(name(button), expected);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(button)
                        ->actionInterface()
                        ->actionNames()
                        .contains(QAccessibleActionInterface::pressAction()));
    }
    // The name follows the tooltip as the button changes what it does.
    view(w).Image2->setToolTip(QStringLiteral("Cancel Picture Processing"));
    EXPECT_EQ(name(view(w).Image2), "Cancel Picture Processing");
}

TEST_F(Accessibility, BoxesAreNamedByTheirOwnLabels) {
    FrmResize& w = loadActive();
    const std::pair<QWidget*, const char*> boxes[] = {
        {view(w).txtwidth, "Width"},
        {view(w).txtHeight, "Height"},
        {view(w).txtQuality, "Quality"},
        {view(w).txtLetters, "Char:"},
        {view(w).txtSourcePath, "Source Path"},
        {view(w).txtPixelWidth2, "Width:"},
        {view(w).txtPixelHeight2, "Height:"},
        {view(w).txtSourceFile, "Source Picture Name"},
        {view(w).txtDestName, "Shows Save To Folder"},
    };
    for (const auto& [box, expected] : boxes) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(role(box), QAccessible::EditableText);
        EXPECT_EQ(name(box), expected);
    }
}

TEST_F(Accessibility, TypeChoicesAreRadioButtonsThatSayWhichIsChosen) {
    FrmResize& w = loadActive();
    const std::pair<ui::OptionButton*, const char*> types[] = {
        {view(w).optJPG, "JPG"}, {view(w).optBMP, "BMP"}, {view(w).optGIF, "GIF"}};
    for (const auto& [button, expected] : types) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(role(button), QAccessible::RadioButton);
        EXPECT_EQ(name(button), expected);
        const QAccessible::State state = QAccessible::queryAccessibleInterface(button)->state();
        EXPECT_TRUE(state.checkable);
        EXPECT_EQ(bool(state.checked), button->isChecked());
    }
    // Pressed through the tree, BMP becomes the one chosen, as by a click.
    QAccessible::queryAccessibleInterface(view(w).optBMP)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(view(w).optBMP->isChecked());
    EXPECT_FALSE(view(w).optJPG->isChecked());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(view(w).optBMP)->state().checked);
}

TEST_F(Accessibility, SpaceAndEnterPressAnImageButton) {
    FrmResize& w = loadActive();
    for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        const QString before = view(w).txtwidth->text();
        view(w).btnUp->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), view(w).btnUp);
        pressKey(view(w).btnUp, key,
                 key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"));
        platform.loop.advance(1000);  // the pressed look passes
        EXPECT_EQ(view(w).txtwidth->text().toInt(), before.toInt() + 1);
    }
    // A click leaves the focus where the user put it.
    view(w).txtHeight->setFocus();
    testing_support::click(view(w).btnUp2);
    platform.loop.advance(1000);
    EXPECT_EQ(QApplication::focusWidget(), view(w).txtHeight);
}

TEST_F(Accessibility, TabReachesEveryControlInLayoutOrder) {
    FrmResize& w = loadActive();
    const std::vector<QWidget*> walk = tabWalk(view(w).Image19);
    // In the order a user reads the window: the source toolbar, the list and its button, then
    // the options panel row by row.
    const std::vector<QWidget*> expected = {
        view(w).Image19,    view(w).Image8,    view(w).imgHelperTips_Off,
        view(w).Image9,     view(w).Image7,    view(w).List1,
        view(w).cmdBrowse2, view(w).txtwidth,  view(w).btnUp,
        view(w).btnDown,    view(w).txtHeight, view(w).btnUp2,
        view(w).btnDown2,   view(w).Image2,    view(w).Image3,
        view(w).Image18,    view(w).Image6,    view(w).optJPG,
        view(w).optBMP,     view(w).optGIF,    view(w).txtQuality,
        view(w).cmdBrowse,  view(w).cmdSame,   view(w).cmdOpen,
        view(w).chkPrefix,  view(w).chkSufix,  view(w).chkNumber,
        view(w).txtLetters,
    };
    std::vector<QWidget*> reached;
    for (QWidget* widget : walk) {
        if (std::find(expected.begin(), expected.end(), widget) != expected.end()) {
            reached.push_back(widget);
        }
        // Nothing hidden, disabled or out of the window takes the focus.
        EXPECT_TRUE(widget->isVisible()) << widget->metaObject()->className();
        EXPECT_TRUE(widget->isEnabled()) << widget->metaObject()->className();
        const QRect inWindow(widget->mapTo(&w, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(w.rect().contains(inWindow.center())) << widget->metaObject()->className();
        // Nor anything lying behind another control: the boxes under the long source list,
        // the helper-tips switch under its twin.
        QWidget* top = w.childAt(inWindow.center());
        EXPECT_TRUE(top == widget || widget->isAncestorOf(top))
            << widget->metaObject()->className() << " " << widget->toolTip().toStdString();
    }
    EXPECT_EQ(reached, expected);
}

TEST_F(Accessibility, LoadedControlsFollowAThemedStyleAndImagesKeepTheirArt) {
    FrmResize& w = loadActive();
    const bool themed = theme::isThemed(*w.style());
    for (QWidget* control : std::initializer_list<QWidget*>{view(w).cmdBrowse, view(w).chkPrefix,
                                                            view(w).optJPG, view(w).Frame4}) {
        EXPECT_EQ(control->testAttribute(Qt::WA_Hover), themed);
    }
    EXPECT_FALSE(view(w).Image2->testAttribute(Qt::WA_Hover));
}

}  // namespace
