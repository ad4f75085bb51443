// SPDX-License-Identifier: MIT
// The main window's ways into the picker window, and its side of the picker: the queue the
// picker builds, and what the window shows as the picker opens and closes. The picker lives in
// its own library and knows the window only as its PickerOwner.
#include "mainwindow/frm_resize.h"

#include "picker/frm_browse.h"
#include "platform/path_style_qt.h"
#include "ui/controls.h"

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
    setDestinationEditable(true);
    picker.show();
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

// ---- the picker's owner ---------------------------------------------------------------------

QStringList FrmResize::queue() const {
    QStringList entries;
    for (int row = 0; row < List1->count(); ++row) {
        entries << List1->item(row)->text();
    }
    return entries;
}

void FrmResize::showQueueCount() {
    ui::setCaption(Label21, QStringLiteral("Selected File List -- ") +
                                QString::number(List1->count()) + QStringLiteral(" Selected"));
}

void FrmResize::addToQueue(const QString& path) {
    List1->addItem(path);
    showQueueCount();
    updateCommands();
}

void FrmResize::removeFromQueue(int row) {
    delete List1->takeItem(row);
    showQueueCount();
    updateCommands();
}

void FrmResize::clearQueue() {
    List1->clear();
    showQueueCount();
    updateCommands();
}

void FrmResize::resetSourceView() {
    for (QWidget* shown : std::initializer_list<QWidget*>{lblX, lblHeight, lblWidth, PictureVis,
                                                          imgSourceImage, lblSourceFile}) {
        shown->hide();
    }
    lblSourceImage->show();
}

void FrmResize::sameFolderPath(const QString& folder) {
    varDirectoryPath = folder;
    if (chkFileLocation->isChecked()) {
        settings.write(options::kPath, folder);
        txtDestName->setText(platform::join(services.paths, folder, QStringLiteral("FileName")));
    }
}

void FrmResize::pickerOpened() {
    pickerOpen_ = true;
    setEnabled(false);
    updateCommands();
}

void FrmResize::showChosenQueue() {
    setEnabled(true);
    const QString count = QString::number(List1->count());
    setWindowTitle(QStringLiteral("Corvel XP    --    Images To Processed: ") + count);
    ui::setCaption(Label21, QStringLiteral("Selected Files To Process: ") + count);

    txtSourceFile->clear();
    txtSourcePath->clear();
    for (QWidget* hidden : std::initializer_list<QWidget*>{lblThumbnail, PictureVis, Image1,
                                                           lblDestPath, lblFinished}) {
        hidden->hide();
    }
    Picture2->show();
    lblSourceImage->show();

    if (List1->count() > 0) {
        // Selecting the first entry previews it, even when it already was the current one.
        if (List1->currentRow() == 0) {
            List1_Click();
        } else {
            List1->setCurrentRow(0);
        }
    }
}

void FrmResize::pickerDone() {
    if (txtDestName->text() == platform::placeholderFolder(services.paths) &&
        !chkFileLocation->isChecked()) {
        services.dialogs.message(
            QStringLiteral("Source pictures have been selected now please choose a path to save "
                           "your thumbnail pictures or click the -Save In Same Location- option!"),
            QStringLiteral("Please Choose Destination Folder To Continue!"),
            platform::Icon::Exclamation);
    }
    tips.runStep(2);
    pickerOpen_ = false;
    updateCommands();
}

void FrmResize::pickerClosed(bool unloaded) {
    tips.runStep(2);
    pickerOpen_ = false;
    setEnabled(true);
    updateCommands();
    if (!unloaded) {
        return;
    }
    if (List1->count() == 0) {
        ui::setCaption(Label21, QStringLiteral("Selected File List"));
        Picture2->hide();
        PictureVis->hide();
        lblThumbnail->show();
        Image1->hide();
        lblSourceImage->show();
        lblDestPath->hide();
        lblFinished->hide();
    }
    List1->setFocus();
}
