// SPDX-License-Identifier: MIT
#include "startup/startup_sequence.h"

#include "mainwindow/frm_resize.h"
#include "startup/about_window.h"
#include "startup/splash_program.h"

namespace startup {

// The invisible start-up object: a one-shot timer and no window at all. It is released from
// its own tick, so it holds the loop's timer directly (the loop keeps a fired callback alive
// until it returns).
class StartupSequence::StartupTimer {
  public:
    StartupTimer(platform::EventLoop& loop, int intervalMs, platform::EventLoop::Callback fire)
        : loop_(loop), fire_(std::move(fire)) {
        id_ = loop_.startTimer(intervalMs, [this] {
            stop();
            // A copy: the tick releases this object.
            const platform::EventLoop::Callback fire = fire_;
            fire();
        });
    }
    ~StartupTimer() { stop(); }
    StartupTimer(const StartupTimer&) = delete;
    StartupTimer& operator=(const StartupTimer&) = delete;

    void stop() {
        if (id_ != 0) {
            loop_.stopTimer(id_);
            id_ = 0;
        }
    }

  private:
    platform::EventLoop& loop_;
    platform::EventLoop::Callback fire_;
    platform::EventLoop::TimerId id_ = 0;
};

StartupSequence::StartupSequence(platform::Services services) : services_(services) {}

StartupSequence::~StartupSequence() = default;

void StartupSequence::Main() {
    startSplashProgram(services_);
    startup_ = std::make_unique<StartupTimer>(services_.loop, kStartupDelayMs,
                                              [this] { startupTimer_Timer(); });
}

void StartupSequence::startupTimer_Timer() {
    frmResize_ = std::make_unique<FrmResize>(services_);
    about::installAbout(*frmResize_);
    frmResize_->Form_Load();
    startup_.reset();
}

}  // namespace startup
