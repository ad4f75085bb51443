// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {
class ImageButton;
}

// What the picker needs from the window that opens it. The picker builds that window's queue
// of source pictures: every entry it adds to or removes from its own Files To Process list it
// adds to or removes from the owner's queue at the same position, so the two stay parallel.
// The owner implements this; the picker knows nothing else of it.
class PickerOwner {
  public:
    // The folders the picker starts in and shows in the file manager, each with one trailing
    // separator; empty when not found.
    struct UserFolders {
        QString documents;
        QString pictures;
    };

    // The owner's window: the picker stays above it, placed below its top-left corner.
    virtual QWidget* pickerOwnerWindow() = 0;
    virtual UserFolders userFolders() const = 0;

    // The queue, in order.
    virtual QStringList queue() const = 0;
    virtual void addToQueue(const QString& path) = 0;
    virtual void removeFromQueue(int row) = 0;
    virtual void clearQueue() = 0;
    // The owner's source view shows no picture (the queue was emptied).
    virtual void resetSourceView() = 0;
    // Add took files from `folder`: with the same-folder option on, the thumbnails go there.
    virtual void sameFolderPath(const QString& folder) = 0;

    // The picker is shown: the owner waits disabled until it is closed.
    virtual void pickerOpened() = 0;
    // Done, before the picker hides: the owner shows the chosen queue and previews its first
    // entry.
    virtual void showChosenQueue() = 0;
    // Done, once the picker is hidden.
    virtual void pickerDone() = 0;
    // Closed without Done: by Close (hidden), or from the title bar (`unloaded`).
    virtual void pickerClosed(bool unloaded) = 0;

    // The pressed look every image button of the program shows before it acts.
    virtual void showPressed(ui::ImageButton* image) = 0;
    // The program's help, as the owner's help image opens it.
    virtual void showHelp() = 0;

  protected:
    ~PickerOwner() = default;
};
