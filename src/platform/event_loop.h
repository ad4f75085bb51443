// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <functional>

namespace platform {

// The one place where time passes. Every pause, timer and modal wait goes through it, so the
// tests can drive a whole run on a virtual clock.
class EventLoop {
  public:
    using TimerId = int;
    using Callback = std::function<void()>;

    virtual ~EventLoop() = default;

    // Milliseconds since some fixed point; wraps around like a 32-bit tick counter.
    virtual quint32 tickCount() const = 0;
    // Lets the pending window events run once.
    virtual void doEvents() = 0;
    // Lets window events run until the tick count has passed `deadline` (wrap-aware), without
    // burning a core.
    virtual void runUntil(quint32 deadline) = 0;

    // A periodic timer: `fire` runs every `intervalMs` while events run. Missed ticks are not
    // queued. Ids are never reused.
    virtual TimerId startTimer(int intervalMs, Callback fire) = 0;
    virtual void stopTimer(TimerId id) = 0;
};

// True when tick `now` lies beyond `deadline`, taking a wrap of the 32-bit counter into account
// (any span shorter than 2^31 ms is measured correctly).
inline bool tickPassed(quint32 now, quint32 deadline) {
    return static_cast<qint32>(now - deadline) > 0;
}

}  // namespace platform
