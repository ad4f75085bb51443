// SPDX-License-Identifier: MIT
// The save-to chooser `frameBrowse`: folder and drive lists, OK and Close, a new folder, and the
// two commands that show the destination in the file manager. Every folder change takes effect
// at once: the destination box, the path label and the stored "Destination" follow the list.
#include "mainwindow/frm_resize_chooser.h"

#include "mainwindow/frm_resize.h"

#include "platform/path_style_qt.h"
#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using platform::Icon;

namespace {

// The folder that message texts give as an example of a full path.
QString exampleFolder(const platform::PathStyle& paths) {
    return paths.isWindows() ? QStringLiteral("c:\\temp") : QStringLiteral("/tmp/thumbs");
}

}  // namespace

void FrmResizeChooser::showChosenFolder(const QString& folder) {
    ui::setWithTip(w.txtDestName, folder);
    ui::setCaption(w.lblPath, folder);
    if (!platform::isPlaceholder(w.services.paths, folder)) {
        w.settings.write(options::kDestination, folder);
    }
}

bool FrmResizeChooser::showInFileManager(const QString& folder) {
    // A file manager may open a window on a path that is gone and still report success.
    return platform::hasDrive(w.services.paths, folder) && QFileInfo(folder).isDir() &&
           w.services.shell.showFolder(folder);
}

void FrmResize::cmdBrowse_Click() {
    // Its OK would change where the run is writing, and it covers the run's cancel button.
    if (run.isActive()) {
        return;
    }
    if (tips.indTips() == 1) {
        subHideTipBubble();
    }
    if (imgRedOff->isHidden()) {
        Image18_Click();  // the same-folder option is on: turn it off first
    }
    chooser.setOpen(true);
}

void FrmResizeChooser::setOpen(bool open) {
    open_ = open;
    // The chooser lies over the options panel. The panel is hidden meanwhile, so Tab cannot
    // walk into controls nobody sees and their access keys (&Open Folder, &Same Folder)
    // do not take Alt+O and Alt+S from the chooser and the rest of the window.
    w.Frame4->setVisible(!open);
    w.frameBrowse->setVisible(open);
    if (open) {
        w.frameBrowse->raise();
        w.Dir1->setFocus();
    }
    w.updateCommands();
}

void FrmResize::cmdSame_Click() {
    if (tips.indTips() == 1) {
        subHideTipBubble();
    }
    Image18_Click();
}

void FrmResize::Dir1_Change() {
    if (!File1->setPath(Dir1->path())) {
        // Back to the last folder listed; that change shows it again.
        if (!File1->path().isEmpty()) {
            Dir1->setPath(File1->path());
        }
        return;
    }
    Drive1->followFolder(Dir1->path());
    if (indDirReady == 0) {
        indDirReady = 1;  // the change start-up makes
        return;
    }
    chooser.showChosenFolder(File1->path());
}

void FrmResize::Drive1_Change() {
    if (!Dir1->setPath(Drive1->currentFolder())) {
        Drive1->followFolder(Dir1->path());
    }
    update();
}

void FrmResize::cmdOk_Click() {
    chooser.setOpen(false);
    // Turning the same-folder option off lays out the name row, which puts the start-up
    // destination into the box; done first, so the box keeps the folder being confirmed.
    chkFileLocation->setChecked(false);
    showDestination(Dir1->path());
    settings.write(options::kPath, txtDestName->text());
    txtDestName->setToolTip(Dir1->path());
    strPathHolder = txtDestName->text();
    tips.runAtStep(3);
    List1->setFocus();
}

void FrmResize::cmdCancel_Click() {
    chooser.setOpen(false);
    strPathHolder.clear();
    run.chooserClosed();
    lblDestPath->hide();
    setDestinationEditable(true);
    tips.runAtStep(3);
    List1->setFocus();
}

void FrmResize::Image5_Click() {
    showPressed(Image5);
    const QString example = exampleFolder(services.paths);
    QString folder = services.dialogs.input(QStringLiteral("Enter a new folder name:\n"
                                                           "(The drive must be included.)\n"
                                                           "ie: ") +
                                                example,
                                            QStringLiteral("Create New Folder"), QString());
    if (folder.isEmpty()) {
        return;
    }
    if (!platform::hasDrive(services.paths, folder)) {
        services.dialogs.message(
            QStringLiteral("The drive must be included with the new folder name!\n(ie ") + example +
                QLatin1Char(')'),
            QStringLiteral("Error 353"), Icon::Exclamation);
        return;
    }
    folder = platform::withTrailingSeparator(services.paths, folder);

    // Each step that fails is reported and the next runs as if it had worked: a folder that
    // exists already is reported, then opened as if it had been made.
    const auto step = [this](bool done) {
        if (!done) {
            services.dialogs.message(
                QStringLiteral("The folder already exists, write error or disk is full.\n"
                               "Use file explorer confirm folders!"),
                QStringLiteral("Operation Error 1"), Icon::Exclamation);
        }
    };
    step(QDir().mkdir(folder));
    step(Dir1->setPath(folder));
    step(File1->setPath(Dir1->path()));
    step(Drive1->setDriveOf(Dir1->path()));
    chooser.showChosenFolder(File1->path());
}

void FrmResize::imgOpenFolder_Click() {
    showPressed(imgOpenFolder);
    const QString destination = settings.read(options::kDestination);
    if (destination.isEmpty()) {
        return;
    }
    if (!chooser.showInFileManager(destination)) {
        services.dialogs.message(
            QStringLiteral("Error opening the target folder! Use your File Explorer to check "
                           "that the folder, ") +
                destination +
                QStringLiteral(" still exists. The folder might have been accidentally renamed "
                               "or deleted!"),
            QStringLiteral("Error Opening Target Folder"), Icon::Exclamation);
    }
}

void FrmResize::cmdOpen_Click() {
    if (platform::isPlaceholder(services.paths, txtDestName->text())) {
        services.dialogs.message(
            QStringLiteral("Save to original folder option in use. Turn option off or use "
                           "Windows Explorer to open the source folder."),
            QStringLiteral("Open Folder Error 400"), Icon::Information);
        return;
    }
    chooser.showInFileManager(txtDestName->text());
}

void FrmResize::mnuOpenFolder_Click() {
    cmdOpen_Click();
}
