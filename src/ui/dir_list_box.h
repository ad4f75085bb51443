#pragma once

#include <QListWidget>

namespace ui {

// The folder list: the folders from the root down to the current folder, each one level
// further in, then the current folder's own folders (sorted, dot-folders left out) one level
// further still. A double click or Enter on an entry opens it. Changing the path, by the user
// or in code, emits pathChanged; a folder that cannot be listed is not opened (the list stays
// where it was, without a signal).
class DirListBox : public QListWidget {
    Q_OBJECT

  public:
    // Starts at `startPath` when it can be listed, else at the root.
    explicit DirListBox(QWidget* parent = nullptr, const QString& startPath = {});

    // The current folder, without a trailing separator except at the root.
    QString path() const { return path_; }
    // Opens `path` (relative paths count from the current folder); false when it cannot be
    // listed. Setting the current folder again only reads it again.
    bool setPath(const QString& path);
    // Reads the current folder again.
    void refresh();

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
};

}  // namespace ui
