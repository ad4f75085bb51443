// SPDX-License-Identifier: MIT
#include "platform/timer.h"

namespace platform {

Timer::Timer(EventLoop& loop, int intervalMs) : loop_(loop), interval_(intervalMs) {}

Timer::~Timer() {
    if (id_ != 0) {
        loop_.stopTimer(id_);
    }
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    restart();
}

void Timer::restart() {
    if (id_ != 0) {
        loop_.stopTimer(id_);
        id_ = 0;
    }
    // An interval of 0 keeps the timer silent, as the timer control does.
    if (enabled_ && interval_ > 0) {
        id_ = loop_.startTimer(interval_, [this] { fire(); });
    }
}

void Timer::fire() {
    if (inTick_ || !handler_) {
        return;
    }
    inTick_ = true;
    handler_();
    inTick_ = false;
}

}  // namespace platform
