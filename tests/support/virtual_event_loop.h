// SPDX-License-Identifier: MIT
#pragma once

#include "platform/event_loop.h"

#include <map>
#include <vector>

namespace testing_support {

// A virtual clock. Time passes only in waits and in advance(); due timers and scheduled user
// actions fire in deadline order, with the Qt timer rules: a timer whose handler is still
// running is not fired again, and a late timer fires once, then counts from then on.
class VirtualEventLoop : public platform::EventLoop {
  public:
    explicit VirtualEventLoop(quint32 start = 0) : now_(start) {}

    quint32 tickCount() const override { return now_; }
    void doEvents() override;
    void runUntil(quint32 deadline) override;
    TimerId startTimer(int intervalMs, Callback fire) override;
    void stopTimer(TimerId id) override;

    // Lets `ms` of virtual time pass, firing everything that falls due.
    void advance(quint32 ms);
    // A simulated user action at absolute time `tick`, or `ms` from now.
    void at(quint32 tick, Callback action);
    void after(quint32 ms, Callback action) { at(now_ + ms, std::move(action)); }
    // The program is busy for `ms` without letting events run (called from a handler or an
    // action): the clock moves on and nothing fires, so the timers due meanwhile come late.
    void stall(quint32 ms) { now_ += ms; }

    int activeTimers() const { return static_cast<int>(timers_.size()); }
    int pendingActions() const { return static_cast<int>(actions_.size()); }

  private:
    struct TimerEntry {
        int interval;
        quint32 due;
        Callback fire;
        bool running = false;
    };
    struct Action {
        quint32 due;
        quint64 order;
        Callback run;
    };
    // Fires the earliest event due no later than `limit`; false when there is none.
    bool fireNext(quint32 limit);
    qint32 until(quint32 tick) const { return static_cast<qint32>(tick - now_); }

    quint32 now_;
    TimerId lastId_ = 0;
    quint64 lastOrder_ = 0;
    std::map<TimerId, TimerEntry> timers_;
    std::vector<Action> actions_;
};

}  // namespace testing_support
