// SPDX-License-Identifier: MIT
#include "startup/about_window.h"

#include "mainwindow/frm_resize.h"
#include "startup/frm_splash.h"

namespace about {

AboutWindow::AboutWindow(FrmResize& frmResize, platform::Services services)
    : QObject(&frmResize), frmResize_(frmResize), services_(services) {}

AboutWindow::~AboutWindow() = default;

bool AboutWindow::show() {
    if (window_ && !window_->unloaded()) {
        window_->raise();
        window_->activateWindow();
        return true;
    }
    // Top-level without a Qt parent: disabling the main window must not disable it.
    window_ = std::make_unique<FrmSplash>(frmResize_, services_);
    FrmSplash* opened = window_.get();
    opened->onUnloaded = [this, opened] {
        // Deferred: the window is inside its own handler right now.
        if (window_.get() == opened) {
            window_.release()->deleteLater();
        }
    };
    if (opened->Form_Load()) {
        return true;
    }
    if (window_.get() == opened) {
        window_.release()->deleteLater();
    }
    return false;
}

AboutWindow* installAbout(FrmResize& frmResize) {
    auto* host = new AboutWindow(frmResize, frmResize.platformServices());
    frmResize.showAbout = [host] { return host->show(); };
    return host;
}

}  // namespace about
