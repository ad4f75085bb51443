// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class FrmResize;

// The save-to chooser `frameBrowse`, which lies over the options panel while it is open. It owns
// its open state; the window's commands follow it (updateCommands). Its handlers are the
// window's (frm_resize_chooser.cpp).
class FrmResizeChooser {
  public:
    explicit FrmResizeChooser(FrmResize& window) : w(window) {}

    bool isOpen() const { return open_; }
    // Shows the chooser in place of the options panel, or the panel again.
    void setOpen(bool open);
    // The destination box, its tooltip and the path label (in full) show `folder`, which is
    // stored as "Destination" unless it is a placeholder.
    void showChosenFolder(const QString& folder);
    // Hands `folder` to the file manager; false when it is not there or could not be shown.
    bool showInFileManager(const QString& folder);

  private:
    FrmResize& w;
    bool open_ = false;
};
