// SPDX-License-Identifier: MIT
// What the user may press: the commands and locks of the main window, derived in one place from
// the state of its concerns.
#include "mainwindow/frm_resize.h"

#include "ui/controls.h"
#include "ui/image.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <initializer_list>

void FrmResize::updateCommands() {
    const bool active = run.isActive();
    // A stalled run still offers its cancel on the button, no longer in the menu.
    const bool running = run.phase() == FrmResizeRun::Phase::Running;
    const bool loading = indLoading == -1;
    const int queued = List1->count();

    // The process button stands in for the run's cancel; the chooser covers it while open.
    cmdProcess->setText(active ? QStringLiteral("&Cancel Processing")
                               : QStringLiteral("&Process Thumbnails"));
    cmdProcess->setToolTip(active ? QStringLiteral("Cancel Picture Processing")
                                  : QStringLiteral("Process Selected Pictures"));
    cmdProcess->setVisible(active);
    cmdProcess->setEnabled(!chooser.isOpen());
    Image2->setToolTip(active        ? QStringLiteral("Cancel Picture Processing")
                       : run.ended() ? QStringLiteral("Process Source Files To Thumbnails")
                                     : QStringLiteral("Start Processing Source Pictures Into "
                                                      "Thumbnails"));
    mnuProcess->setText(running ? QStringLiteral("&Cancel Processing")
                                : QStringLiteral("&Start Processing"));
    mnuProcess->setEnabled(running || (!active && !loading && queued > 0));

    // The picker and the about window are not offered while a run takes the queue.
    Image19->setVisible(!active);
    Image8->setVisible(!active);
    mnuAdd->setEnabled(!active && !pickerOpen_);

    // The run locks the options it reads; the size arrows go with the size boxes: between
    // ticks they would draw and write a preview.
    for (QWidget* option : std::initializer_list<QWidget*>{
             optGIF, optJPG, optBMP, chkSufix, chkPrefix, chkNumber, chkLandscape, chkFileLocation,
             cmdBrowse2, List1, btnUp, btnDown, btnUp2, btnDown2}) {
        option->setEnabled(!active);
    }
    txtDestName->setEnabled(!active && optionState.destinationEditable);
    txtwidth->setReadOnly(active);
    txtHeight->setReadOnly(active);
}
