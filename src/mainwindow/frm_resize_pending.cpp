// Call sites of the parts that later work brings: the helper tips, the save-to chooser, the
// picker, the about window, help and web actions, and the visual theme. Each does nothing
// yet, except where the window's own rule is already known.
#include "mainwindow/frm_resize.h"

#include "ui/image.h"

#include <QAction>

// Helper tips: shows the tip of `indTipNumber` and advances it.
void FrmResize::subRunTips() {}

void FrmResize::subHideTipBubble() {}

void FrmResize::imgHelperTips_Click() {}

void FrmResize::imgHelperTips_Off_Click() {}

void FrmResize::mnuTips_Click() {
    // The menu entry runs the toolbar action that matches the current state.
    mnuTips->setChecked(indTips == 1);
}

void FrmResize::timerTip_Timer() {}

// Visual theme support: hands frames and graphical buttons to the desktop's theme painter.
void FrmResize::subApplyVisualTheme() {}

// The save-to chooser.
void FrmResize::cmdSame_Click() {
    if (indTips == 1) {
        subHideTipBubble();
    }
    Image18_Click();
}

// The about window, help and web actions.
void FrmResize::Image8_Click() {}

void FrmResize::mnuInfo_Click() {}

void FrmResize::Image9_Click() {}

void FrmResize::mnuViewHelp_Click() {}

void FrmResize::mnuOnline_Click() {}
