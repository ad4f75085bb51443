// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QObject>

#include <memory>

class FrmResize;

namespace about {

class FrmSplash;

// Keeps the about window of one main window: loads it for each opening and deletes it once
// it has unloaded (after OK).
class AboutWindow : public QObject {
  public:
    AboutWindow(FrmResize& frmResize, platform::Services services);
    ~AboutWindow() override;

    // Loads and shows the about window, or brings the open one forward; false when it could
    // not be shown.
    bool show();
    // The loaded about window, or null.
    FrmSplash* window() const { return window_.get(); }

  private:
    FrmResize& frmResize_;
    platform::Services services_;
    std::unique_ptr<FrmSplash> window_;
};

// Gives the main window its about window: its information image and "Program &Info" then open
// it.
AboutWindow* installAbout(FrmResize& frmResize);

}  // namespace about
