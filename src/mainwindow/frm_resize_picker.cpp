// SPDX-License-Identifier: MIT
// The main window's ways into the picker window. The picker lives in its own library, which
// builds on this one; it installs `showPicker`.
#include "mainwindow/frm_resize.h"

#include "ui/image.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

bool FrmResize::holdsText(const QLineEdit* box) {
    return !box->text().isEmpty() && box->text() != QLatin1String(" ");
}

void FrmResize::cmdBrowse2_Click() {
    // The picker changes the queue the run is taking its pictures from.
    if (run.isActive()) {
        return;
    }
    if (tips.indTips() == 1) {
        subHideTipBubble();
    }
    List1->setEnabled(true);
    ui::setCaption(Label21, QStringLiteral("Selected File List"));
    lblFinished->hide();
    setWindowTitle(QStringLiteral("Corvel XP"));
    txtDestName->setEnabled(true);
    if (showPicker) {
        showPicker();
    }
}

void FrmResize::Image19_Click() {
    if (run.isActive()) {
        return;
    }
    showPressed(Image19);
    if (run.isActive()) {
        return;  // a run started during the pressed look
    }
    // Twips whatever unit the window works in since its first render.
    if (twips.height(List1) == kShortListHeight) {
        frameani->hide();
        twips.setHeight(List1, kListHeight);
        Label14->hide();
        txtSourcePath->hide();
        cmdBrowse2->show();
        if (tips.indTips() == 1) {
            subHideTipBubble();
        }
    }
    cmdBrowse2_Click();
}

void FrmResize::mnuAdd_Click() {
    Image19_Click();
}

void FrmResize::txtSourceFile_KeyPress(int keyAscii) {
    constexpr int kEnter = 13;
    if (keyAscii == kEnter && List1->count() == 0 && holdsText(txtSourcePath) &&
        holdsText(txtSourceFile)) {
        // A single picture named in the boxes: the run starts as from the toolbar, warning
        // included.
        run.start();
    }
}
