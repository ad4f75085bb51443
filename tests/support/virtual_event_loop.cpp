// SPDX-License-Identifier: MIT
#include "support/virtual_event_loop.h"

#include <algorithm>

namespace testing_support {

bool VirtualEventLoop::fireNext(quint32 limit) {
    // Overdue events count as due now, so the earliest is the one with the smallest lead.
    // Actions come first among equals (a user click beats a timer), in the order scheduled.
    qint64 best = -1;
    TimerId timer = 0;
    qint64 action = -1;
    for (size_t i = 0; i < actions_.size(); ++i) {
        const qint32 lead = std::max(0, until(actions_[i].due));
        if (best < 0 || lead < best ||
            (lead == best && actions_[i].order < actions_[static_cast<size_t>(action)].order)) {
            best = lead;
            action = static_cast<qint64>(i);
        }
    }
    for (const auto& [id, entry] : timers_) {
        const qint32 lead = std::max(0, until(entry.due));
        if (!entry.running && (best < 0 || lead < best)) {
            best = lead;
            timer = id;
            action = -1;
        }
    }
    if (best < 0 || best > static_cast<qint32>(limit - now_)) {
        return false;
    }
    now_ += static_cast<quint32>(best);
    if (action < 0) {
        TimerEntry& entry = timers_.at(timer);
        entry.due += static_cast<quint32>(entry.interval);
        if (!platform::tickPassed(entry.due, now_)) {
            entry.due = now_ + static_cast<quint32>(entry.interval);
        }
        entry.running = true;
        const Callback fire = entry.fire;
        fire();
        if (const auto it = timers_.find(timer); it != timers_.end()) {
            it->second.running = false;
        }
        return true;
    }
    const auto index = static_cast<std::ptrdiff_t>(action);
    Callback run = std::move(actions_[static_cast<size_t>(action)].run);
    actions_.erase(actions_.begin() + index);
    run();
    return true;
}

void VirtualEventLoop::doEvents() {
    while (fireNext(now_)) {
    }
}

void VirtualEventLoop::runUntil(quint32 deadline) {
    doEvents();
    while (!platform::tickPassed(now_, deadline)) {
        if (!fireNext(deadline + 1)) {
            now_ = deadline + 1;
            doEvents();
        }
    }
}

void VirtualEventLoop::advance(quint32 ms) {
    const quint32 target = now_ + ms;
    while (fireNext(target)) {
    }
    // A handler may have waited beyond the target; time never runs backwards.
    if (!platform::tickPassed(now_, target)) {
        now_ = target;
    }
}

void VirtualEventLoop::at(quint32 tick, Callback action) {
    actions_.push_back({tick, ++lastOrder_, std::move(action)});
}

platform::EventLoop::TimerId VirtualEventLoop::startTimer(int intervalMs, Callback fire) {
    const int interval = std::max(intervalMs, 1);
    timers_[++lastId_] =
        TimerEntry{interval, now_ + static_cast<quint32>(interval), std::move(fire)};
    return lastId_;
}

void VirtualEventLoop::stopTimer(TimerId id) {
    timers_.erase(id);
}

}  // namespace testing_support
