// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class Launcher;
class QWidget;

namespace about {

// What the about window needs from the window that opens it (the main window implements it):
// the window that owns it on the desktop, the mode it is opened in, the web and mail actions
// its buttons run, and the way back once it closes.
class AboutHost {
  public:
    virtual ~AboutHost() = default;
    virtual QWidget* aboutOwner() = 0;
    // `indAbout`: 1 when opened as the about window (buttons, notice and platform shown).
    virtual qint16 aboutMode() const = 0;
    virtual Launcher& aboutLauncher() = 0;
    // The about window has closed: the owner takes input again and shows itself.
    virtual void aboutClosed() = 0;
};

}  // namespace about
