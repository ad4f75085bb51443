// SPDX-License-Identifier: MIT
#pragma once

#include "platform/event_loop.h"

namespace platform {

// The timer control: an interval, an enabled switch and a tick handler. Ticks only while
// events run, never again while its own handler runs, and changing the interval of a running
// timer restarts its count.
class Timer {
  public:
    explicit Timer(EventLoop& loop, int intervalMs = 0);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    void onTick(EventLoop::Callback handler) { handler_ = std::move(handler); }

  private:
    void restart();
    void fire();

    EventLoop& loop_;
    int interval_;
    bool enabled_ = false;
    bool inTick_ = false;
    EventLoop::TimerId id_ = 0;
    EventLoop::Callback handler_;
};

}  // namespace platform
