#pragma once

#include "platform/volumes.h"

#include <QComboBox>
#include <QHash>

namespace ui {

// The drive list: the mounted volumes, root first, each shown as its root path and volume
// name. Changing the drive, by the user or in code, emits driveChanged; a drive that cannot be
// read is not taken (the list stays on the drive it showed, without a signal).
class DriveListBox : public QComboBox {
    Q_OBJECT

  public:
    explicit DriveListBox(platform::Volumes& volumes, QWidget* parent = nullptr);

    // Root of the current drive.
    QString drive() const;
    // Makes the drive holding `path` current; false when that drive cannot be read.
    bool setDrive(const QString& path);
    // Root of the volume holding `path` (the longest mount root it lies under).
    QString driveOf(const QString& path) const;

    // Shows the drive holding `folder` without a change and remembers `folder` as that drive's
    // current folder, as a folder list that moved there would.
    void followFolder(const QString& folder);
    // The current drive's current folder: the one last followed there while it can still be
    // listed, else the drive's root.
    QString currentFolder() const;

    // Reads the volumes again; the current drive stays when it is still mounted.
    void refresh();

  signals:
    void driveChanged(const QString& root);

  private:
    void onIndexChanged(int index);
    int indexOfDrive(const QString& root) const;

    platform::Volumes& volumes_;
    int shownIndex_ = -1;
    QHash<QString, QString> currentFolders_;
};

}  // namespace ui
