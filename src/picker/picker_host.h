// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QObject>

#include <memory>

class FrmBrowse;
class FrmResize;

// Keeps the picker window of one main window: loads it on the first opening, and again after
// the user closed it from its title bar (which unloads it). Done and Close only hide it, so
// its folder and lists stay as they were.
class PickerHost : public QObject {
  public:
    PickerHost(FrmResize& frmResize, platform::Services services);
    ~PickerHost() override;

    // Loads the picker when it is not loaded, then shows it over the disabled main window.
    void show();
    // The loaded picker, or null.
    FrmBrowse* window() const { return window_.get(); }

  private:
    FrmResize& frmResize_;
    platform::Services services_;
    std::unique_ptr<FrmBrowse> window_;
};

// Gives the main window its picker: the main window's ways in (its "Select Source Pictures"
// button, toolbar image and menu entry) then open it.
PickerHost* installPicker(FrmResize& frmResize);
