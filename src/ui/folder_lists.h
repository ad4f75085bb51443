// SPDX-License-Identifier: MIT
#pragma once

#include "platform/volumes.h"

#include <QComboBox>
#include <QHash>
#include <QListWidget>
#include <QString>

// The drive list, folder list and file listing of the picker and the save-to chooser.
namespace ui {

// The picture files both windows list.
inline const QString kPicturePattern = QStringLiteral("*.bmp;*.jpg;*.gif");

// True when `folder` is a folder whose entries can be read now.
bool canListFolder(const QString& folder);

// `path` made absolute (relative to `base`) and clean: no "." or "..", no trailing separator
// except for the root itself.
QString cleanFolderPath(const QString& path, const QString& base = {});

// The drive list: the mounted volumes, root first, each shown as its root path and volume
// name. Changing the drive, by the user or in code, emits driveChanged; a drive that cannot be
// read is not taken (the list stays on the drive it showed, without a signal).
class DriveList : public QComboBox {
    Q_OBJECT

  public:
    DriveList(QWidget* parent, const platform::Volumes& volumes);

    // Root of the current drive.
    QString drive() const;
    // Makes the drive holding `path` (a drive root or any path on it) current; false when
    // no drive holds it or that drive cannot be read.
    bool setDriveOf(const QString& path);
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

    const platform::Volumes& volumes_;
    int shownIndex_ = -1;
    QHash<QString, QString> currentFolders_;
};

// The folder list: the folders from the root down to the current folder, each one level
// further in, then the current folder's own folders (sorted, dot-folders left out) one level
// further still. A double click or Enter on an entry opens it. Changing the path, by the user
// or in code, emits pathChanged; a folder that cannot be listed is not opened (the list stays
// where it was, without a signal).
class DirList : public QListWidget {
    Q_OBJECT

  public:
    // Starts at `startPath` when it can be listed, else at the root. Without a start path it
    // starts at the working folder (else the root) but reads it only when the first setPath()
    // fails: its owner is expected to set a folder at once.
    explicit DirList(QWidget* parent, const QString& startPath = {});

    // The current folder, without a trailing separator except at the root.
    const QString& path() const { return path_; }
    // Opens `path` (relative paths count from the current folder); false when it cannot be
    // listed. Setting the current folder again only reads it again.
    bool setPath(const QString& path);

    // The folder an entry stands for, and how far in it is drawn.
    QString folderAt(int row) const;
    int levelAt(int row) const;
    // Row of the current folder.
    int currentFolderRow() const { return currentFolderRow_; }

  signals:
    void pathChanged(const QString& path);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fill();
    void openRow(int row);

    QString path_;
    int currentFolderRow_ = -1;
    bool filled_ = false;
};

// The file listing: the regular, non-hidden files of a folder whose names match the pattern
// (globs separated by ";", matched without regard to case), sorted by name. Pointing it at a
// folder that cannot be listed leaves it as it was.
class FileList : public QListWidget {
    Q_OBJECT

  public:
    // An empty pattern lists nothing; "*" lists every file.
    explicit FileList(QWidget* parent, const QString& pattern = QStringLiteral("*"));

    // Empty until a folder was listed.
    const QString& path() const { return path_; }
    // Lists `path`; false when it cannot be listed. Setting the same folder lists it again.
    bool setPath(const QString& path);
    const QString& pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // Reads the folder again.
    void refresh();

    QString fileName(int row) const;
    QStringList fileNames() const;

    // Whether a file name matches a pattern such as kPicturePattern.
    static bool matches(const QString& fileName, const QString& pattern);

  signals:
    void pathChanged(const QString& path);

  private:
    bool fill(const QString& folder);

    QString path_;
    QString pattern_;
};

}  // namespace ui
