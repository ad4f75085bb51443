// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <memory>

class FrmResize;

namespace startup {

// How the thumbnail maker comes up: it starts the splash program, waits ten seconds with
// nothing of its own on screen, then loads the main window and hands it its about window.
class StartupSequence {
  public:
    static constexpr int kStartupDelayMs = 10000;

    explicit StartupSequence(platform::Services services);
    ~StartupSequence();
    StartupSequence(const StartupSequence&) = delete;
    StartupSequence& operator=(const StartupSequence&) = delete;

    // Starts the splash program and arms the start-up timer.
    void Main();
    // The main window once loaded, else null.
    FrmResize* frmResize() const { return frmResize_.get(); }
    // Whether the invisible object holding the start-up timer is still there.
    bool waiting() const { return startup_ != nullptr; }

  private:
    class StartupTimer;
    void startupTimer_Timer();

    platform::Services services_;
    std::unique_ptr<StartupTimer> startup_;
    std::unique_ptr<FrmResize> frmResize_;
};

}  // namespace startup
