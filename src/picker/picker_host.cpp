// SPDX-License-Identifier: MIT
#include "picker/picker_host.h"

#include "picker/frm_browse.h"

PickerHost::PickerHost(PickerOwner& owner, platform::Services services)
    : owner_(owner), services_(services) {}

PickerHost::~PickerHost() = default;

void PickerHost::show() {
    if (!window_) {
        // Top-level without a Qt parent: disabling the owner must not disable it.
        window_ = std::make_unique<FrmBrowse>(owner_, services_);
        window_->onUnloaded = [this] {
            // Deferred: the window may be inside one of its own walks right now.
            window_.release()->deleteLater();
        };
        window_->Form_Load();
    }
    if (window_) {
        window_->showFromMainWindow();
    }
}
