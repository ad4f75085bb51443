// SPDX-License-Identifier: MIT
// Loading the window, its screen adaptation, the path label, and shutdown.
#include "mainwindow/frm_resize.h"

#include "engine/qt/label_text.h"
#include "mainwindow/user_folders.h"
#include "platform/path_style_qt.h"
#include "startup/pause.h"
#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"
#include "ui/line.h"
#include "ui/picture_box.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

using platform::Icon;

void FrmResize::Form_Load() {
    if (!services.instance.claim()) {
        services.dialogs.message(QStringLiteral("A version of Corvel is already running!"),
                                 QStringLiteral("Program Running"), Icon::Information);
        endProgram();
        return;
    }
    run.resetCounters();
    indDirReady = 0;
    indLoading = -1;
    subApplyVisualTheme();
    varIncrementer = twips.width(txtIncrementer);
    twips.move(Picture2, 7320, 1320);
    subOversizeLayout();
    subCompactLayout();

    const int screenWidth = twips.twipsX(services.screen.widthPx());
    const int screenHeight = twips.twipsY(services.screen.heightPx());
    move(twips.pxX(screenWidth / 2 - twips.width(form) / 2),
         twips.pxY(screenHeight / 2 - twips.height(form) / 2));

    subGetSettings();

    varMyDocs = GetSpecialFolder(services.folders, services.paths, kFolderDocuments);
    varMyPics = GetSpecialFolder(services.folders, services.paths, kFolderPictures);
    Dir1->setPath(varMyDocs);

    subShowPathText(txtPathText);
    if (imgRedOff->isHidden()) {
        subShowSameLocation();
    }
    lblThumbnail->show();
    show();
    indLoading = 0;
    updateCommands();

    Pause(services.loop, 2000);
    if (ended_) {
        return;  // closed while the window was coming up
    }
    if (settings.readInt16(options::kPHT).value_or(0) == 0) {
        settings.write(options::kPHT, QStringLiteral("1"));
        services.dialogs.message(
            QStringLiteral("The 'Popup Helper Tips' are turned ON. This feature helps new users "
                           "get started using the program. Once your familiar with using the "
                           "program you can turn the new user tips OFF by clicking the helper "
                           "tips toolbar button."),
            QStringLiteral("New User Information"), Icon::Information);
    }
    tips.runStep(1);
    List1->setFocus();
}

void FrmResize::subOversizeLayout() {
    // The background picture is drawn in pixels: on a screen with fewer twips per pixel it
    // no longer fills the window, so the window draws its areas with lines instead.
    if (twips.width(picScreens) + 60 >= twips.width(form)) {
        return;
    }
    indoversize = 1;
    form->clear();
    lineDiv->setPoints({twips.pxX(5160), 0}, {twips.pxX(5160), form->height()});
    lineDiv->show();
    chkNumber->setText(QStringLiteral("No."));
    chkNumber->adjustSize();

    const int landscapeLeft = twips.left(lblDest) + twips.width(lblDest) + 50;
    twips.setLeft(imgGreenOff22, landscapeLeft);
    twips.setLeft(imgGreenOn22, landscapeLeft);
    twips.setLeft(lblLandscape, landscapeLeft + twips.width(imgGreenOff22) + 30);
    const int promptLeft = twips.left(lblLandscape) + twips.width(lblLandscape) + 30;
    twips.setLeft(imgRedLightOff22, promptLeft);
    twips.setLeft(imgRedLightOn22, promptLeft);
    twips.setLeft(lblOverwrite, promptLeft + twips.width(imgRedLightOff22) + 30);

    lineDiv2->setPoints({0, twips.pxY(240)}, {form->width(), twips.pxY(240)});
    lineDiv2->show();
    lblSource->show();
    twips.setLeft(lblDest, 5160 + 100);  // lineDiv's x plus 100
    lblDest->show();

    const int screenWidth = twips.twipsX(services.screen.widthPx());
    if (twips.width(form) > screenWidth) {
        setFormSize(screenWidth, twips.height(form));
    }
}

void FrmResize::subCompactLayout() {
    if (twips.height(form) <= twips.twipsY(services.screen.heightPx())) {
        return;
    }
    setFormSize(twips.width(form), 6945);
    for (QWidget* w : std::initializer_list<QWidget*>{Label14, Label11, Label12, txtSourcePath,
                                                      txtPixelWidth2, txtPixelHeight2, frameani}) {
        w->hide();
    }
    twips.move(cmdBrowse2, 3950, 1330);
    twips.setHeight(Dir1, 540);
    twips.setTop(Label15, 1000);
    twips.setTop(Drive1, 1200);
    twips.setTop(cmdCancel, 1500);
    twips.setTop(cmdOk, 1500);
    twips.move(cmdProcess, 120, 1360);
    twips.move(cmdExit, 120, 1600);
    cmdExit->show();  // now inside the window
    twips.setTop(Frame1, 960);
    Frame3->setTitle(QStringLiteral("Rename:"));
    Frame1->setTitle(QStringLiteral("Save As:"));
}

void FrmResize::setFormSize(int width, int height) {
    form->setFixedSize(twips.pxX(width), twips.pxY(height));
    twips.resize(form, width, height);
    setFixedSize(form->width(), form->height() + menuBar()->sizeHint().height());
}

void FrmResize::subCenter() {
    lblFinished->move(Picture2->x() + Picture2->width() / 2 - lblFinished->width() / 2,
                      lblFinished->y());
}

void FrmResize::subShowPath() {
    txtPathText = txtDestName->text();
    subShowPathText(txtPathText);
}

void FrmResize::showDestination(const QString& folder) {
    ui::setWithTip(txtDestName, folder);
    // A run shows the name it writes instead of the path.
    if (timerProcess.enabled()) {
        lblPath->hide();
        lblSaveTo->hide();
    } else {
        subShowPath();
    }
}

void FrmResize::subShowPathText(const QString& text) {
    ui::setCaption(lblPath, engine::shortenLabel(text, engine::kPathLabel));
    lblPath->setToolTip(text);
    lblDestPath->hide();
    lblSaveTo->show();
    lblPath->show();
}

void FrmResize::showSameLocationDestination() {
    ui::setWithTip(txtDestName, platform::placeholderFolder(services.paths));
    subShowSameLocation();
}

void FrmResize::subShowSameLocation() {
    ui::setCaption(lblPath, QStringLiteral("Same Location As Source Pictures"));
    lblPath->setToolTip(QStringLiteral("Save thumbnails to same location as source pictures"));
    lblDestPath->hide();
    lblSaveTo->show();
    lblPath->show();
}

// ---- shutdown ---------------------------------------------------------------------------------

void FrmResize::cmdExit_Click() {
    List1->setFocus();
    saveAndEnd();
}

void FrmResize::Image7_Click() {
    showPressed(Image7);
    cmdExit_Click();
}

void FrmResize::mnuExit_Click() {
    Image7_Click();
}

void FrmResize::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!ended_) {
        Form_Unload();
    }
}

void FrmResize::Form_Unload() {
    timerProcess.setEnabled(false);
    timerani.setEnabled(false);
    hide();
    saveAndEnd();
}

void FrmResize::saveAndEnd() {
    if (run.tickInProgress()) {
        // A tick is suspended in one of its pauses, below this very call: waiting for it here
        // would keep it from ever resuming. It finishes its picture once this returns, and
        // the end of the tick saves and ends.
        timerProcess.setEnabled(false);
        timerani.setEnabled(false);
        hide();
        endAfterPicture_ = true;
        return;
    }
    subSaveSettings();
    endProgram();
}

void FrmResize::endIfClosed() {
    if (endAfterPicture_ && !run.tickInProgress()) {
        endAfterPicture_ = false;
        subSaveSettings();
        endProgram();
    }
}

void FrmResize::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    timerProcess.setEnabled(false);
    timerani.setEnabled(false);
    timerLblFinished.setEnabled(false);
    tips.subHideTipBubble();
    hide();
    if (onEndProgram) {
        onEndProgram();
    }
}
