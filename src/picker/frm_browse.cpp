// SPDX-License-Identifier: MIT
// The picker's behaviour: listing a folder, previews, Add, Add All, Remove, Remove All, Done,
// Close and unloading. The long walks let window events run after every entry, so each one
// disables what could start a second operation and marks itself busy with a flag.
#include "picker/frm_browse.h"

#include "engine/qt/picture_file_qt.h"
#include "platform/path_style_qt.h"
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

FrmBrowse::FrmBrowse(PickerOwner& pickerOwner, platform::Services platformServices)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      owner(pickerOwner),
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
    const QWidget* window = owner.pickerOwnerWindow();
    move(window->x(), window->y() + twips.pxY(1200));
}

void FrmBrowse::Form_Load() {
    placeBelowMainWindow();
    theme::applyVisualTheme(this);
    indFilesListed = 0;
    // After an unload the main source list kept its entries: start parallel to it again.
    List1->clear();
    List1->addItems(owner.queue());
    lblSelected->setText(QString::number(List1->count()) + QStringLiteral(" Selected"));
    Dir1->setPath(owner.userFolders().documents);
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
    if (QWindow* ownerWindow = owner.pickerOwnerWindow()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(ownerWindow);
    }
    owner.pickerOpened();
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
    owner.pickerClosed(true);
}

void FrmBrowse::cmdOK_Click() {
    cmdOK->setEnabled(false);
    owner.showChosenQueue();
    hide();
    owner.pickerDone();
}

void FrmBrowse::cmdClose_Click() {
    owner.pickerClosed(false);
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
    return platform::join(services.paths, File1->path(), fileName);
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
    owner.sameFolderPath(File1->path());
    cmdOK->setFocus();
}

void FrmBrowse::Command2_Click() {
    if (addFiles(false)) {
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
        cmdOK->setEnabled(true);
    }
}

void FrmBrowse::appendEntry(const QString& path) {
    List1->addItem(path);
    owner.addToQueue(path);
    showSelectedCount();
}

void FrmBrowse::showSelectedCount() {
    lblSelected->setText(QString::number(List1->count()) + QStringLiteral(" Selected"));
    setWindowTitle(QStringLiteral("Browse Computer   --   Images Selected: ") +
                   QString::number(List1->count()));
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
            owner.removeFromQueue(row);
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

    if (owner.queue().isEmpty()) {
        owner.resetSourceView();
    }
    if (List1->count() == 0) {
        showPlaceholder();
    }
    cmdOK->setFocus();
}

void FrmBrowse::Command1_Click() {
    List1->clear();
    owner.clearQueue();
    showSelectedCount();
    imgPreview->setPicture(QPixmap());
    owner.resetSourceView();
    showPlaceholder();
    cmdOK->setFocus();
}

// ---- image buttons ------------------------------------------------------------------------

void FrmBrowse::Image19_Click() {
    owner.showPressed(Image19);
    services.shell.showFolder(Dir1->path());
}

void FrmBrowse::Image18_Click() {
    owner.showPressed(Image18);
    // An empty folder (no Pictures folder found) is refused by the shell.
    services.shell.showFolder(owner.userFolders().pictures);
}

void FrmBrowse::Image9_Click() {
    owner.showPressed(Image9);
    owner.showHelp();
}
