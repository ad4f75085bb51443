// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"
#include "platform/timer.h"
#include "platform/volumes.h"
#include "ui/twips.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class Launcher;
class QLineEdit;
class QPushButton;

namespace ui {
class DirList;
}

// The browser search window "SEARCHING FOR BROWSER". Drive by drive (500 ms apart) it walks
// each mounted file system depth-first for the browser programs, showing the folder it is in;
// the first primary browser ends the search, the first alternative one is kept for the
// finishing step. The walk lets events run after every folder, so the window repaints, its
// title keeps flashing and Cancel works while it is deep in a drive.
class FrmSearch : public QWidget {
  public:
    FrmSearch(Launcher& owner, platform::Services services);
    ~FrmSearch() override;

    void Form_Load();
    // Drive timer: the step for the drive the status names.
    void Timer1_Timer();
    // Title flashing.
    void Timer2_Timer();
    void cmdCancel_Click();
    // The folder scan of the folder the folder list shows now, and (nested) of its folders.
    void Dir1_Change();

    // Whether the window has been closed (it is deleted later).
    bool unloaded() const { return unloaded_; }

    // ---- controls ---------------------------------------------------------------------------
    ui::DirList* Dir1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* cmdCancel = nullptr;
    platform::Timer Timer1;
    platform::Timer Timer2;

    // ---- texts (empty each time the window is loaded) ---------------------------------------
    QString varFoundFolder;
    QString varFullPath;
    QString varAltName;
    QString varAltFolder;
    QString varAltPath;

    // Design size in twips.
    static constexpr int kWidth = 3255;
    static constexpr int kHeight = 3150;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void placeNearOwner();
    // The search of drive `index`: its root and, nested, everything on its file system.
    void driveStep(int index);
    void showDriveStatus(int index);
    // Whether a step must do nothing more: the search has ended or the window is closed.
    bool ended() const;
    // Ends a search at once: the finishing step runs with what was found so far.
    void endWithFinish();
    // A cancel: nothing stored, nothing started.
    void subCancel();
    void subUnload();
    // Whether `folder` may be walked into from the drive being searched.
    bool onSearchedDrive(const QString& folder) const;

    Launcher& owner_;
    platform::Services services_;
    ui::Twips twips_;
    QList<platform::Volume> drives_;
    int drive_ = 0;
    std::optional<quint64> driveFileSystem_;
    int scanDepth_ = 0;
    bool unloaded_ = false;
};
