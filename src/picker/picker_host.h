// SPDX-License-Identifier: MIT
#pragma once

#include "picker/picker_owner.h"
#include "platform/services.h"

#include <memory>

class FrmBrowse;

// Keeps the picker window of one owner: loads it on the first opening, and again after the
// user closed it from its title bar (which unloads it). Done and Close only hide it, so its
// folder and lists stay as they were.
class PickerHost {
  public:
    PickerHost(PickerOwner& owner, platform::Services services);
    ~PickerHost();
    PickerHost(const PickerHost&) = delete;
    PickerHost& operator=(const PickerHost&) = delete;

    // Loads the picker when it is not loaded, then shows it over the disabled owner.
    void show();
    // The loaded picker, or null.
    FrmBrowse* window() const { return window_.get(); }

  private:
    PickerOwner& owner_;
    platform::Services services_;
    std::unique_ptr<FrmBrowse> window_;
};
