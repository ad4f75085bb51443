#pragma once

#include "platform/volumes.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace ui {

// The drive list: the mounted file systems, root first, each shown as its root and name.
class DriveList : public QComboBox {
    Q_OBJECT
  public:
    DriveList(QWidget* parent, const platform::Volumes& volumes);
    QString drive() const;
    // Selects the drive holding `path`; false when none does.
    bool setDriveOf(const QString& path);

  signals:
    void driveChanged();

  private:
    QList<platform::Volume> volumes_;
};

// The folder list: the current folder's ancestors, the folder itself and its subfolders;
// a double click opens an entry. `setPath` refuses a folder that cannot be listed.
class DirList : public QListWidget {
    Q_OBJECT
  public:
    explicit DirList(QWidget* parent);
    const QString& path() const { return path_; }
    bool setPath(const QString& folder);

  signals:
    void pathChanged();

  private:
    QString path_;
};

// The file listing: regular files of one folder that match a pattern such as
// "*.bmp;*.jpg;*.gif" (extensions compared without regard to case), no dot-files, by name.
class FileList : public QListWidget {
  public:
    explicit FileList(QWidget* parent, const QString& pattern = QStringLiteral("*.*"));
    const QString& path() const { return path_; }
    bool setPath(const QString& folder);
    void setPattern(const QString& pattern);
    const QString& pattern() const { return pattern_; }
    void refresh();

  private:
    QString path_;
    QString pattern_;
};

}  // namespace ui
