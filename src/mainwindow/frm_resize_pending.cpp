// SPDX-License-Identifier: MIT
// Call sites of what is not built yet: the helper tips, the about window and the visual theme.
// Each does nothing yet, except where the window's own rule is already known. The help and web
// actions hand over to the launcher (src/launcher/).
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

void FrmResize::Image8_Click() {}

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
