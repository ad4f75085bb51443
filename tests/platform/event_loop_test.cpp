// SPDX-License-Identifier: MIT
#include "platform/real_platform.h"
#include "platform/timer.h"
#include "support/virtual_event_loop.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

using platform::Timer;
using testing_support::VirtualEventLoop;

namespace {

TEST(VirtualEventLoop, TimersAndActionsFireInDeadlineOrder) {
    VirtualEventLoop loop;
    QStringList fired;
    Timer slow(loop, 300);
    Timer fast(loop, 200);
    slow.onTick([&] { fired << QString("slow@%1").arg(loop.tickCount()); });
    fast.onTick([&] { fired << QString("fast@%1").arg(loop.tickCount()); });
    slow.setEnabled(true);
    fast.setEnabled(true);
    loop.at(250, [&] { fired << QString("click@%1").arg(loop.tickCount()); });
    loop.advance(600);
    EXPECT_EQ(fired, (QStringList{"fast@200", "click@250", "slow@300", "fast@400", "slow@600",
                                  "fast@600"}));
    EXPECT_EQ(loop.tickCount(), 600u);
}

TEST(VirtualEventLoop, DisabledTimerNeverFires) {
    VirtualEventLoop loop;
    int ticks = 0;
    Timer timer(loop, 10);
    timer.onTick([&] { ++ticks; });
    loop.advance(100);
    timer.setEnabled(true);
    loop.advance(35);
    timer.setEnabled(false);
    loop.advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.activeTimers(), 0);
}

TEST(VirtualEventLoop, ChangingTheIntervalRestartsTheCount) {
    VirtualEventLoop loop;
    std::vector<quint32> at;
    Timer timer(loop, 100);
    timer.onTick([&] { at.push_back(loop.tickCount()); });
    timer.setEnabled(true);
    loop.advance(90);
    timer.setInterval(100);
    loop.advance(150);
    EXPECT_EQ(at, (std::vector<quint32>{190}));
}

TEST(VirtualEventLoop, AHandlerThatWaitsIsNotReenteredAndMissedTicksAreNotQueued) {
    VirtualEventLoop loop;
    int depth = 0;
    int maxDepth = 0;
    std::vector<quint32> at;
    Timer timer(loop, 100);
    timer.onTick([&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        at.push_back(loop.tickCount());
        if (at.size() == 1) {
            loop.runUntil(loop.tickCount() + 450);  // five intervals go by in here
        }
        --depth;
    });
    timer.setEnabled(true);
    loop.advance(800);
    EXPECT_EQ(maxDepth, 1);
    // One late tick right after the long handler, then the rhythm starts again from there.
    ASSERT_GE(at.size(), 3u);
    EXPECT_EQ(at[0], 100u);
    EXPECT_EQ(at[1], 551u);
    EXPECT_EQ(at[2], 651u);
}

TEST(VirtualEventLoop, AWaitEndsBeyondItsDeadlineAcrossTheTickWrap) {
    VirtualEventLoop loop(0xFFFFFF00u);
    int ticks = 0;
    Timer timer(loop, 100);
    timer.onTick([&] { ++ticks; });
    timer.setEnabled(true);
    const quint32 deadline = loop.tickCount() + 1000;  // wraps
    loop.runUntil(deadline);
    EXPECT_TRUE(platform::tickPassed(loop.tickCount(), deadline));
    EXPECT_EQ(loop.tickCount(), deadline + 1);
    EXPECT_EQ(ticks, 10);
}

TEST(VirtualEventLoop, TimerStoppedFromItsOwnHandlerStopsAtOnce) {
    VirtualEventLoop loop;
    int ticks = 0;
    Timer timer(loop, 50);
    timer.onTick([&] {
        ++ticks;
        timer.setEnabled(false);
    });
    timer.setEnabled(true);
    loop.advance(500);
    EXPECT_EQ(ticks, 1);
}

TEST(QtEventLoop, AQtTimerFiresWhileWaiting) {
    platform::QtEventLoop loop;
    int qtTicks = 0;
    int ourTicks = 0;
    QTimer qtTimer;
    QObject::connect(&qtTimer, &QTimer::timeout, [&] { ++qtTicks; });
    qtTimer.start(10);
    Timer timer(loop, 10);
    timer.onTick([&] { ++ourTicks; });
    timer.setEnabled(true);

    QElapsedTimer clock;
    clock.start();
    const quint32 start = loop.tickCount();
    loop.runUntil(start + 120);
    EXPECT_GE(clock.elapsed(), 120);
    EXPECT_TRUE(platform::tickPassed(loop.tickCount(), start + 120));
    EXPECT_GE(qtTicks, 1);
    EXPECT_GE(ourTicks, 1);
}

TEST(TickPassed, IsWrapAware) {
    EXPECT_TRUE(platform::tickPassed(11, 10));
    EXPECT_FALSE(platform::tickPassed(10, 10));
    EXPECT_FALSE(platform::tickPassed(9, 10));
    EXPECT_TRUE(platform::tickPassed(5, 0xFFFFFFF0u));
    EXPECT_FALSE(platform::tickPassed(0xFFFFFFF0u, 5));
}

}  // namespace
