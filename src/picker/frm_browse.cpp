// SPDX-License-Identifier: MIT
// The picker's behaviour: listing a folder, previews, Add, Add All, Remove, Remove All, Done,
// Close and unloading. The long walks let window events run after every entry, so each one
// disables what could start a second operation and marks itself busy with a flag.
#include "picker/frm_browse.h"

#include "engine/picture_loader.h"
#include "mainwindow/frm_resize.h"
#include "theme/visual_theme.h"
#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

int selectedCount(const QListWidget* list) {
    return static_cast<int>(list->selectedItems().size());
}

}  // namespace

// One Add, Add All or Remove: the overlay over its list, the controls it disables and its busy
// flag. finish() ends it; leaving the scope any other way ends it too, so an operation cut
// short never leaves the window disabled.
class FrmBrowse::Busy {
  public:
    Busy(FrmBrowse& window, QListWidget* overlay, const QString& line, qint16& flag, bool closeToo)
        : window_(window), overlay_(overlay), flag_(flag), closeToo_(closeToo) {
        overlay_->clear();
        overlay_->addItem(line);
        overlay_->show();
        overlay_->raise();
        window_.setBusy(true, closeToo_);
        flag_ = 1;
    }
    ~Busy() {
        if (!done_) {
            flag_ = 0;
            finish();
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

    // Hides the overlay and enables the window again; the caller clears the flag when its
    // own order asks for it.
    void finish() {
        overlay_->hide();
        window_.setBusy(false, closeToo_);
        done_ = true;
    }

  private:
    FrmBrowse& window_;
    QListWidget* overlay_;
    qint16& flag_;
    bool closeToo_;
    bool done_ = false;
};

FrmBrowse::FrmBrowse(FrmResize& main, platform::Services platformServices)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      frmResize(main),
      services(platformServices),
      twips(services.screen),
      timerClick(services.loop, 10),
      timerClick2(services.loop, 10) {
    createControls();
    connectHandlers();
}

FrmBrowse::~FrmBrowse() = default;

// ---- loading, closing ---------------------------------------------------------------------

void FrmBrowse::placeBelowMainWindow() {
    move(frmResize.x(), frmResize.y() + twips.pxY(1200));
}

void FrmBrowse::Form_Load() {
    placeBelowMainWindow();
    theme::applyVisualTheme(this);
    indFilesListed = 0;
    // After an unload the main source list kept its entries: start parallel to it again.
    List1->clear();
    for (int row = 0; row < frmResize.List1->count(); ++row) {
        List1->addItem(frmResize.List1->item(row)->text());
    }
    lblSelected->setText(QString::number(List1->count()) + QStringLiteral(" Selected"));
    Dir1->setPath(frmResize.varMyDocs);
    if (indFilesListed == 0) {
        File1->setPath(Dir1->path());
        subAddFiles();
    }
    cmdOK->setEnabled(true);
    cmdOK->setFocus();
}

void FrmBrowse::showFromMainWindow() {
    // Owned by the main window on the desktop (kept above it, out of the task bar) without
    // being its Qt child, which disabling the main window would disable too.
    if (QWindow* owner = frmResize.windowHandle()) {
        winId();
        windowHandle()->setTransientParent(owner);
    }
    frmResize.setEnabled(false);
    placeBelowMainWindow();
    show();
    activateWindow();
    cmdOK->setFocus();
}

void FrmBrowse::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_) {
        return;
    }
    Form_Unload();
    unloaded_ = true;
    if (onUnloaded) {
        onUnloaded();
    }
}

void FrmBrowse::Form_Unload() {
    runTipsAfterClosing();
    frmResize.setEnabled(true);
    if (frmResize.List1->count() == 0) {
        ui::setCaption(frmResize.Label21, QStringLiteral("Selected File List"));
        frmResize.Picture2->hide();
        frmResize.PictureVis->hide();
        frmResize.lblThumbnail->show();
        frmResize.Image1->hide();
        frmResize.lblSourceImage->show();
        frmResize.lblDestPath->hide();
        frmResize.lblFinished->hide();
    }
    frmResize.List1->setFocus();
}

void FrmBrowse::runTipsAfterClosing() {
    frmResize.tips.runStep(2);
}

void FrmBrowse::cmdOK_Click() {
    cmdOK->setEnabled(false);
    frmResize.setEnabled(true);
    const QString count = QString::number(List1->count());
    frmResize.setWindowTitle(QStringLiteral("Corvel XP    --    Images To Processed: ") + count);
    ui::setCaption(frmResize.Label21, QStringLiteral("Selected Files To Process: ") + count);

    frmResize.txtSourceFile->clear();
    frmResize.txtSourcePath->clear();
    for (QWidget* w :
         {static_cast<QWidget*>(frmResize.lblThumbnail),
          static_cast<QWidget*>(frmResize.PictureVis), static_cast<QWidget*>(frmResize.Image1),
          static_cast<QWidget*>(frmResize.lblDestPath),
          static_cast<QWidget*>(frmResize.lblFinished)}) {
        w->hide();
    }
    frmResize.Picture2->show();
    frmResize.lblSourceImage->show();

    if (frmResize.List1->count() > 0) {
        // Selecting the first entry previews it in the main window, even when it already was
        // the current one.
        if (frmResize.List1->currentRow() == 0) {
            frmResize.List1_Click();
        } else {
            frmResize.List1->setCurrentRow(0);
        }
    }
    hide();

    if (frmResize.txtDestName->text() == services.paths.placeholderFolder() &&
        !frmResize.chkFileLocation->isChecked()) {
        services.dialogs.message(
            QStringLiteral("Source pictures have been selected now please choose a path to save "
                           "your thumbnail pictures or click the -Save In Same Location- option!"),
            QStringLiteral("Please Choose Destination Folder To Continue!"),
            platform::Icon::Exclamation);
    }
    runTipsAfterClosing();
}

void FrmBrowse::cmdClose_Click() {
    runTipsAfterClosing();
    frmResize.setEnabled(true);
    hide();
}

// ---- drives, folders and the listing -------------------------------------------------------

void FrmBrowse::Drive1_Change() {
    if (!Dir1->setPath(Drive1->currentFolder())) {
        // Back to the drive of the folder shown, quietly: that folder is still listed.
        Drive1->followFolder(Dir1->path());
    }
    update();
}

void FrmBrowse::Dir1_Change() {
    Drive1->followFolder(Dir1->path());
    if (!File1->setPath(Dir1->path())) {
        // Back to the last folder listed; that change lists it again.
        Dir1->setPath(File1->path());
        return;
    }
    subAddFiles();
}

void FrmBrowse::subAddFiles() {
    indFilesListed = 1;
    List2->clear();
    lstDummy->clear();
    lstDummy->show();
    lstDummy->raise();
    indListing = 1;
    // A folder change while events run starts a new listing; this one then stops.
    const int listing = ++listing_;
    for (int row = 0; row < File1->count(); ++row) {
        if (!letEventsRun() || listing != listing_) {
            return;
        }
        // Every matching file is listed, whatever the preview shows: a picture that cannot be
        // loaded is counted by the processing run.
        List2->addItem(File1->fileName(row));
    }
    indListing = 0;
    lstDummy->hide();
    lblFiles->setText(QString::number(List2->count()) + QStringLiteral(" Files"));
}

bool FrmBrowse::letEventsRun() {
    services.loop.doEvents();
    return !unloaded_;
}

QString FrmBrowse::fullPath(const QString& fileName) const {
    return services.paths.join(File1->path(), fileName);
}

// ---- previews -----------------------------------------------------------------------------

void FrmBrowse::List2_Click() {
    if (indAdding == 1 || indListing == 1 || List2->count() == 0) {
        return;
    }
    timerClick.setEnabled(true);
}

void FrmBrowse::List1_Click() {
    if (indRemoving == 1 || List1->count() == 0) {
        return;
    }
    timerClick2.setEnabled(true);
}

void FrmBrowse::timerClick_Timer() {
    timerClick.setEnabled(false);
    if (indDblClick == 1) {
        indDblClick = 0;
        return;
    }
    subChangePreview();
}

void FrmBrowse::timerClick2_Timer() {
    timerClick2.setEnabled(false);
    if (indDblClick2 == 1) {
        indDblClick2 = 0;
        return;
    }
    subChangePreview2();
}

void FrmBrowse::subChangePreview() {
    if (const QListWidgetItem* entry = List2->currentItem()) {
        showPreview(fullPath(entry->text()));
    }
}

void FrmBrowse::subChangePreview2() {
    if (const QListWidgetItem* entry = List1->currentItem()) {
        showPreview(entry->text());
    }
}

void FrmBrowse::showPreview(const QString& path) {
    ImgError->hide();
    imgPreview->setPicture(QPixmap());
    indLoadPic = 1;
    const QImage picture = engine::loadPicture(path);
    if (picture.isNull()) {
        indLoadPic = 0;
        ImgError->show();
        ImgError->raise();
        return;
    }
    imgPreview->setPicture(picture);
    indLoadPic = 0;
    imgPreview->setToolTip(path);
}

void FrmBrowse::showPlaceholder() {
    imgPreview->setPicture(imgPicture->picture());
    imgPreview->setToolTip(QString());
    imgPreview->show();
}

// ---- Add, Add All -------------------------------------------------------------------------

void FrmBrowse::List2_DblClick() {
    indDblClick = 1;
    cmdAdd_Click();
}

void FrmBrowse::cmdAdd_Click() {
    if (!addFiles(true)) {
        return;
    }
    frmResize.varDirectoryPath = File1->path();
    if (frmResize.chkFileLocation->isChecked()) {
        frmResize.settings.write(options::kPath, File1->path());
        frmResize.txtDestName->setText(
            services.paths.join(File1->path(), QStringLiteral("FileName")));
    }
    updateProcessMenu();
    cmdOK->setFocus();
}

void FrmBrowse::Command2_Click() {
    if (addFiles(false)) {
        updateProcessMenu();
        cmdOK->setFocus();
    }
}

bool FrmBrowse::addFiles(bool selectedOnly) {
    // Nothing the walk waits for can change the selection: the list is disabled meanwhile.
    int left = selectedOnly ? selectedCount(List2) : List2->count();
    if (left == 0) {
        List2->setFocus();
        return false;
    }
    // Add also keeps Close disabled.
    Busy busy(*this, lstDummy, QStringLiteral("Please Wait... Adding Images!"), indAdding,
              selectedOnly);
    for (int row = 0; row < List2->count(); ++row) {
        if (!letEventsRun()) {
            return false;
        }
        makeCurrent(List2, row);
        if (left == 0) {
            break;
        }
        if (!selectedOnly || List2->item(row)->isSelected()) {
            appendEntry(fullPath(List2->item(row)->text()));
            --left;
        }
    }
    List2->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    busy.finish();
    indAdding = 0;
    return true;
}

void FrmBrowse::List1_OLEDragDrop(const QStringList& paths) {
    if (indAdding == 1 || indRemoving == 1) {
        return;
    }
    bool added = false;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (file.isFile() && ui::FileList::matches(file.fileName(), File1->pattern())) {
            appendEntry(file.absoluteFilePath());
            added = true;
        }
    }
    if (added) {
        updateProcessMenu();
        cmdOK->setEnabled(true);
    }
}

void FrmBrowse::appendEntry(const QString& path) {
    List1->addItem(path);
    frmResize.List1->addItem(path);
    showSelectedCount();
}

void FrmBrowse::showSelectedCount() {
    lblSelected->setText(QString::number(List1->count()) + QStringLiteral(" Selected"));
    ui::setCaption(frmResize.Label21,
                   QStringLiteral("Selected File List -- ") + lblSelected->text());
    setWindowTitle(QStringLiteral("Browse Computer   --   Images Selected: ") +
                   QString::number(List1->count()));
}

void FrmBrowse::updateProcessMenu() {
    frmResize.mnuProcess->setEnabled(frmResize.List1->count() > 0);
    frmResize.mnuProcess->setText(QStringLiteral("&Start Processing"));
}

// Scrolls to the entry without touching the selection.
void FrmBrowse::makeCurrent(QListWidget* list, int row) {
    list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    list->scrollToItem(list->item(row));
}

void FrmBrowse::setBusy(bool busy, bool closeToo) {
    for (QWidget* w : {static_cast<QWidget*>(cmdAdd), static_cast<QWidget*>(cmdRemove),
                       static_cast<QWidget*>(cmdOK), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command1), static_cast<QWidget*>(List1),
                       static_cast<QWidget*>(File1), static_cast<QWidget*>(Drive1),
                       static_cast<QWidget*>(Dir1), static_cast<QWidget*>(List2)}) {
        w->setEnabled(!busy);
    }
    if (closeToo) {
        cmdClose->setEnabled(!busy);
    }
}

// ---- Remove, Remove All -------------------------------------------------------------------

void FrmBrowse::List1_DblClick() {
    indDblClick2 = 1;
    cmdRemove_Click();
}

void FrmBrowse::cmdRemove_Click() {
    if (List1->count() == 0 || selectedCount(List1) == 0) {
        List1->setFocus();
        return;
    }
    Busy busy(*this, lstDummy2, QStringLiteral("Please Wait... Removing Images!"), indRemoving,
              false);
    // The list is disabled meanwhile, so only this walk changes the selection.
    int left = selectedCount(List1);
    for (int row = 0; row < List1->count(); ++row) {
        makeCurrent(List1, row);
        if (!letEventsRun()) {
            return;
        }
        if (left == 0) {
            break;
        }
        if (List1->item(row)->isSelected()) {
            // The entry that moves up is looked at next.
            delete List1->takeItem(row);
            delete frmResize.List1->takeItem(row);
            showSelectedCount();
            --left;
            --row;
        }
    }
    imgPreview->setPicture(QPixmap());
    indRemoving = 0;
    List2->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    busy.finish();

    updateProcessMenu();
    if (frmResize.List1->count() == 0) {
        resetSourceDisplay();
    }
    if (List1->count() == 0) {
        showPlaceholder();
    }
    cmdOK->setFocus();
}

void FrmBrowse::Command1_Click() {
    List1->clear();
    frmResize.List1->clear();
    showSelectedCount();
    imgPreview->setPicture(QPixmap());
    updateProcessMenu();
    resetSourceDisplay();
    showPlaceholder();
    cmdOK->setFocus();
}

void FrmBrowse::resetSourceDisplay() {
    for (QWidget* w :
         {static_cast<QWidget*>(frmResize.lblX), static_cast<QWidget*>(frmResize.lblHeight),
          static_cast<QWidget*>(frmResize.lblWidth), static_cast<QWidget*>(frmResize.PictureVis),
          static_cast<QWidget*>(frmResize.imgSourceImage),
          static_cast<QWidget*>(frmResize.lblSourceFile)}) {
        w->hide();
    }
    frmResize.lblSourceImage->show();
}

// ---- image buttons ------------------------------------------------------------------------

void FrmBrowse::Image19_Click() {
    frmResize.showPressed(Image19);
    services.shell.showFolder(Dir1->path());
}

void FrmBrowse::Image18_Click() {
    frmResize.showPressed(Image18);
    // An empty folder (no Pictures folder found) is refused by the shell.
    services.shell.showFolder(frmResize.varMyPics);
}

void FrmBrowse::Image9_Click() {
    frmResize.showPressed(Image9);
    frmResize.Image9_Click();
}
