// SPDX-License-Identifier: MIT
#pragma once

#include "picker/picker_owner.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/twips.h"

#include <QListWidget>
#include <QString>
#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace ui {
class DirList;
class DriveList;
class FileList;
class Image;
class ImageButton;
}  // namespace ui

// Files To Process: a list that takes picture files dropped from a file manager.
class DropList : public QListWidget {
    Q_OBJECT

  public:
    explicit DropList(QWidget* parent);

  signals:
    void filesDropped(const QStringList& paths);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The picker window: builds the queue of source pictures. Every entry added to or removed
// from Files To Process (List1) is added to or removed from its owner's queue at the same
// position, so the two lists stay parallel. Hidden rather than closed by Done and Close;
// closing it from the title bar unloads it.
class FrmBrowse : public QWidget {
  public:
    FrmBrowse(PickerOwner& owner, platform::Services services);
    ~FrmBrowse() override;

    void Form_Load();
    void Form_Unload();
    // Shown modeless over the disabled main window, at its left edge, 1200 twips down.
    void showFromMainWindow();
    // Whether the window was closed from the title bar; its owner then discards it.
    bool unloaded() const { return unloaded_; }
    // What the owner does once the window has unloaded.
    std::function<void()> onUnloaded;

    void subAddFiles();
    void subChangePreview();
    void subChangePreview2();

    void Drive1_Change();
    void Dir1_Change();
    void List2_Click();
    void List2_DblClick();
    void List1_Click();
    void List1_DblClick();
    void List1_OLEDragDrop(const QStringList& paths);
    void timerClick_Timer();
    void timerClick2_Timer();
    void cmdAdd_Click();
    void Command2_Click();
    void cmdRemove_Click();
    void Command1_Click();
    void cmdOK_Click();
    void cmdClose_Click();
    void Image19_Click();
    void Image18_Click();
    void Image9_Click();

    PickerOwner& owner;
    platform::Services services;
    ui::Twips twips;

    // ---- controls ----------------------------------------------------------------------------
    QLabel* lblDrives = nullptr;
    ui::DriveList* Drive1 = nullptr;
    QLabel* lblFolders = nullptr;
    ui::DirList* Dir1 = nullptr;
    QLabel* lblFileList = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* lstDummy = nullptr;
    ui::FileList* File1 = nullptr;
    ui::ImageButton* Image19 = nullptr;
    QLabel* lblFiles = nullptr;
    QPushButton* Command2 = nullptr;
    ui::ImageButton* Image18 = nullptr;
    ui::ImageButton* Image9 = nullptr;
    QGroupBox* framePreview = nullptr;
    ui::Image* imgPreview = nullptr;
    ui::Image* imgPicture = nullptr;
    ui::Image* ImgError = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblFilesToProcess = nullptr;
    DropList* List1 = nullptr;
    QListWidget* lstDummy2 = nullptr;
    QLabel* lblSelected = nullptr;
    QPushButton* Command1 = nullptr;

    platform::Timer timerClick;
    platform::Timer timerClick2;

    // ---- window state (16-bit flags hold 0 or 1) -------------------------------------------
    qint16 indAdding = 0;
    qint16 indRemoving = 0;
    qint16 indLoadPic = 0;
    qint16 indDblClick = 0;
    qint16 indDblClick2 = 0;
    qint16 indListing = 0;
    qint16 indFilesListed = 0;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    class Busy;

    // frm_browse_layout.cpp
    void createControls();
    void connectHandlers();

    void placeBelowMainWindow();
    QString fullPath(const QString& fileName) const;
    // Add (the selected files, true) and Add All; false when nothing was added, or the window
    // unloaded meanwhile.
    bool addFiles(bool selectedOnly);
    void appendEntry(const QString& path);
    void showSelectedCount();
    void showPlaceholder();
    void showPreview(const QString& path);
    // Lets pending events run; false when the window unloaded meanwhile.
    bool letEventsRun();
    void setBusy(bool busy, bool closeToo);
    void makeCurrent(QListWidget* list, int row);

    bool unloaded_ = false;
    // Counts listings, so that one started while another lets events run ends the older.
    int listing_ = 0;
};
