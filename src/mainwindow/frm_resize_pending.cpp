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
void FrmResize::cmdBrowse_Click() {}

void FrmResize::cmdOpen_Click() {}

void FrmResize::mnuOpenFolder_Click() {}

void FrmResize::Dir1_Change() {}

void FrmResize::Drive1_Change() {}

void FrmResize::cmdOk_Click() {}

void FrmResize::cmdCancel_Click() {}

void FrmResize::Image5_Click() {}

void FrmResize::imgOpenFolder_Click() {}

void FrmResize::cmdSame_Click() {
    if (indTips == 1) {
        subHideTipBubble();
    }
    Image18_Click();
}

// The picker.
void FrmResize::cmdBrowse2_Click() {}

void FrmResize::Image19_Click() {}

void FrmResize::mnuAdd_Click() {}

// The about window, help and web actions.
void FrmResize::Image8_Click() {}

void FrmResize::mnuInfo_Click() {}

void FrmResize::Image9_Click() {}

void FrmResize::mnuViewHelp_Click() {}

void FrmResize::mnuOnline_Click() {}
