// SPDX-License-Identifier: MIT
#include "picker/picker_host.h"

#include "mainwindow/frm_resize.h"
#include "picker/frm_browse.h"

PickerHost::PickerHost(FrmResize& frmResize, platform::Services services)
    : QObject(&frmResize), frmResize_(frmResize), services_(services) {}

PickerHost::~PickerHost() = default;

void PickerHost::show() {
    if (!window_) {
        // Top-level without a Qt parent: disabling the main window must not disable it.
        window_ = std::make_unique<FrmBrowse>(frmResize_, services_);
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

PickerHost* installPicker(FrmResize& frmResize) {
    auto* host = new PickerHost(frmResize, frmResize.services);
    frmResize.showPicker = [host] { host->show(); };
    return host;
}
