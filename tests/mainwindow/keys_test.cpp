// SPDX-License-Identifier: MIT
// The keyboard on the main window: the number boxes let Tab, Enter and the shortcuts through,
// and every access key does one thing.
#include "run_fixture.h"
#include "support/frm_resize_test_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenuBar>

#include <map>

using testing_support::pressAccessKey;
using testing_support::pressKey;
using testing_support::typeKeys;

namespace {

class Keys : public RunTest {
  protected:
    FrmResize& loadActive() {
        FrmResize& w = load();
        QApplication::setActiveWindow(&w);
        return w;
    }

    static void focusAndClear(QLineEdit* box) {
        box->setFocus();
        box->clear();
    }

    // The widget that has the focus, or null.
    static QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(Keys, TabLeavesEachNumberBoxWithNothingTypedIntoIt) {
    FrmResize& w = loadActive();
    for (QLineEdit* box : {view(w).txtwidth, view(w).txtHeight, view(w).txtQuality}) {
        SCOPED_TRACE(box->toolTip().toStdString());
        focusAndClear(box);
        typeKeys(box, "5");
        ASSERT_EQ(focused(), box);
        pressKey(box, Qt::Key_Tab, "\t");
        EXPECT_NE(focused(), box);
        typeKeys(focused(), "7");
        EXPECT_EQ(box->text(), "5");
        // And back again with Shift+Tab.
        pressKey(focused(), Qt::Key_Backtab, "\t", Qt::ShiftModifier);
        EXPECT_EQ(focused(), box);
    }
    // Tab is no key typed into the quality box: 101 is left for the next typed key to mend.
    focusAndClear(view(w).txtQuality);
    typeKeys(view(w).txtQuality, "101");
    pressKey(view(w).txtQuality, Qt::Key_Tab, "\t");
    EXPECT_EQ(view(w).txtQuality->text(), "101");
}

TEST_F(Keys, ShortcutsAndEnterWorkInTheNumberBoxes) {
    FrmResize& w = loadActive();
    view(w).txtwidth->setFocus();
    pressKey(view(w).txtwidth, Qt::Key_A, "\x01", Qt::ControlModifier);
    EXPECT_EQ(view(w).txtwidth->selectedText(), "110");
    typeKeys(view(w).txtwidth, "9");
    EXPECT_EQ(view(w).txtwidth->text(), "9");

    // Copied from the height box, pasted into the quality box.
    view(w).txtHeight->setFocus();
    pressKey(view(w).txtHeight, Qt::Key_A, "\x01", Qt::ControlModifier);
    pressKey(view(w).txtHeight, Qt::Key_C, "\x03", Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "130");
    view(w).txtQuality->setFocus();
    pressKey(view(w).txtQuality, Qt::Key_A, "\x01", Qt::ControlModifier);
    pressKey(view(w).txtQuality, Qt::Key_V, "\x16", Qt::ControlModifier);
    EXPECT_EQ(view(w).txtQuality->text(), "130");  // left for the next typed key, like a typed 130
    // Pasted text is held to what typing gives: digits, three of them.
    QApplication::clipboard()->setText("abc");
    pressKey(view(w).txtQuality, Qt::Key_A, "\x01", Qt::ControlModifier);
    pressKey(view(w).txtQuality, Qt::Key_V, "\x16", Qt::ControlModifier);
    EXPECT_EQ(view(w).txtQuality->text(), "130");

    int entered = 0;
    for (QLineEdit* box : {view(w).txtwidth, view(w).txtHeight, view(w).txtQuality}) {
        QObject::connect(box, &QLineEdit::returnPressed, [&entered] { ++entered; });
        pressKey(box, Qt::Key_Return, "\r");
    }
    EXPECT_EQ(entered, 3);
    EXPECT_EQ(view(w).txtQuality->text(), "130");
}

// The access keys of what can be pressed at this moment: buttons shown on the window and the
// titles of the menu bar, each under its letter.
std::map<QChar, QStringList> accessKeys(FrmResize& w) {
    std::map<QChar, QStringList> keys;
    const auto add = [&keys](const QString& caption) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty()) {
            keys[QChar(mnemonic[0].key()).toUpper()] << caption;
        }
    };
    for (const QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            add(button->text());
        }
    }
    for (const QAction* title : w.menuBar()->actions()) {
        add(title->text());
    }
    return keys;
}

void expectEachKeyOnce(FrmResize& w, const char* state) {
    SCOPED_TRACE(state);
    for (const auto& [key, captions] : accessKeys(w)) {
        EXPECT_EQ(captions.size(), 1)
            << "Alt+" << QString(key).toStdString() << ": " << captions.join(", ").toStdString();
    }
}

TEST_F(Keys, NoTwoThingsShownShareAnAccessKey) {
    for (const bool compact : {false, true}) {
        if (compact) {
            platform.screen.width = 640;
            platform.screen.height = 480;
        }
        FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
        expectEachKeyOnce(w, compact ? "compact, idle" : "idle");
        w.cmdBrowse_Click();
        expectEachKeyOnce(w, compact ? "compact, chooser open" : "chooser open");
        w.cmdCancel_Click();
        w.Image2_Click();
        ASSERT_TRUE(view(w).run.isActive());
        expectEachKeyOnce(w, compact ? "compact, run" : "run");
        runToEnd(w);
    }
}

TEST_F(Keys, NoMenuHasTwoEntriesOnOneLetter) {
    FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
    const auto check = [&w](const char* state) {
        SCOPED_TRACE(state);
        for (const QMenu* menu : w.findChildren<QMenu*>()) {
            std::map<QChar, QStringList> keys;
            for (const QAction* entry : menu->actions()) {
                const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
                if (!mnemonic.isEmpty()) {
                    keys[QChar(mnemonic[0].key()).toUpper()] << entry->text();
                }
            }
            for (const auto& [key, entries] : keys) {
                EXPECT_EQ(entries.size(), 1)
                    << menu->title().toStdString() << ": " << entries.join(", ").toStdString();
            }
        }
    };
    check("idle");
    w.Image2_Click();
    check("run");
}

// What an access key did: the button it pressed, or the menu it opened.
QString pressedBy(FrmResize& w, char letter) {
    pressAccessKey(&w, letter);
    QString what;
    for (QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
        if (button->isDown()) {
            what += button->text();
            button->setDown(false);
        }
    }
    for (QMenu* menu : w.findChildren<QMenu*>()) {
        if (menu->isVisible()) {
            what += menu->title();
            menu->close();
        }
    }
    return what;
}

TEST_F(Keys, EachAccessKeyDoesItsOneThing) {
    // A button pressed by its key stays down for a moment of real time: one window for each
    // state, so no key is pressed twice on one window.
    enum class State { Idle, ChooserOpen, Run };
    const struct {
        State state;
        char letter;
        const char* normal;   // what the key does in the normal layout
        const char* compact;  // and in the compact one
    } cases[] = {
        {State::Idle, 's', "&Select Source Pictures", "&Select Source Pictures"},
        {State::Idle, 'm', "Sa&me Folder", "Sa&me Folder"},
        {State::Idle, 'e', "Op&en Folder", "Op&en Folder"},
        {State::Idle, 'b', "&Browse", "&Browse"},
        {State::Idle, 'f', "&Files", "&Files"},
        {State::Idle, 't', "&Thumbnail Type", "&Thumbnail Type"},
        {State::Idle, 'n', "Thumbnail &Name", "Thumbnail &Name"},
        {State::Idle, 'o', "Thumbnail &Options", "Thumbnail &Options"},
        {State::Idle, 'h', "&Help", "&Help"},
        {State::Idle, 'l', "", "C&lose"},  // the Close button is in sight in the compact layout
        {State::ChooserOpen, 'k', "O&k", "O&k"},
        {State::ChooserOpen, 'c', "&Close", "&Close"},
        {State::ChooserOpen, 'o', "Thumbnail &Options", "Thumbnail &Options"},
        {State::ChooserOpen, 'l', "", "C&lose"},
        {State::Run, 'c', "&Cancel Processing", "&Cancel Processing"},
        {State::Run, 'l', "", "C&lose"},
    };
    for (const bool compact : {false, true}) {
        if (compact) {
            platform.screen.width = 640;
            platform.screen.height = 480;
        }
        for (const State state : {State::Idle, State::ChooserOpen, State::Run}) {
            FrmResize& w = loadWithQueue({picture("photo.bmp"), picture("next.bmp")});
            if (state == State::ChooserOpen) {
                w.cmdBrowse_Click();
            } else if (state == State::Run) {
                w.Image2_Click();
            }
            for (const auto& c : cases) {
                if (c.state == state) {
                    EXPECT_EQ(pressedBy(w, c.letter), compact ? c.compact : c.normal)
                        << (compact ? "compact, " : "normal, ") << "state "
                        << static_cast<int>(state) << ", Alt+" << c.letter;
                }
            }
            if (state == State::Run) {
                // The menu's cancel entry has its letter too, beside the disabled "Choose
                // &Pictures".
                view(w).mnuFile->popup({0, 0});
                pressKey(view(w).mnuFile, Qt::Key_C, "c");
                EXPECT_FALSE(view(w).run.isActive());
                EXPECT_EQ(view(w).lblFinished->text(), "Operation Canceled");
            }
            w.cmdExit_Click();
        }
    }
}

}  // namespace
