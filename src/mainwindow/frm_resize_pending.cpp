// SPDX-License-Identifier: MIT
// Call sites of the helper tips, which are not built yet (their stubs do nothing, except where
// the window's own rule is already known); the ways into the about window, which the start-up
// library installs; the help and web actions, which hand over to the launcher (src/launcher/);
// and the visual theme (src/theme/).
#include "mainwindow/frm_resize.h"

#include "theme/visual_theme.h"

#include <QAction>

// ---- helper tips ------------------------------------------------------------------------------

// Shows the tip of `indTipNumber` and advances it.
void FrmResize::subRunTips() {}

void FrmResize::subHideTipBubble() {}

void FrmResize::imgHelperTips_Click() {}

void FrmResize::imgHelperTips_Off_Click() {}

void FrmResize::mnuTips_Click() {
    // The menu entry runs the toolbar action that matches the current state, and shows it.
    if (indTips == 1) {
        imgHelperTips_Click();
    } else {
        imgHelperTips_Off_Click();
    }
    mnuTips->setChecked(indTips == 1);
}

void FrmResize::timerTip_Timer() {}

// ---- the about window -------------------------------------------------------------------------

void FrmResize::Image8_Click() {
    // While another window holds the main window disabled (the about window, the picker), its
    // menu entry is as dead as its image.
    if (!isEnabled() || ended_) {
        return;
    }
    showPressed(Image8);
    if (!isEnabled() || ended_) {
        return;  // something else was opened, or the program ended, during the pressed look
    }
    indAbout = 1;
    setEnabled(false);
    if (!showAbout || !showAbout()) {
        aboutClosed();  // nothing to give the window back: it takes input again at once
    }
}

void FrmResize::aboutClosed() {
    indAbout = 0;
    setEnabled(true);
    show();
    activateWindow();
}

void FrmResize::mnuInfo_Click() {
    Image8_Click();
}

// ---- help and web actions ---------------------------------------------------------------------

void FrmResize::Image9_Click() {
    web.helpFile();
}

void FrmResize::mnuViewHelp_Click() {
    Image9_Click();
}

void FrmResize::mnuOnline_Click() {
    web.onlineHelp();
}

void FrmResize::imgLogo_Click() {
    web.logoPage();
}

void FrmResize::showHelpPressed() {
    showPressed(Image9);
}

// ---- visual theme -----------------------------------------------------------------------------

// Hands frames and graphical buttons to the desktop's style.
void FrmResize::subApplyVisualTheme() {
    theme::applyVisualTheme(this);
}
