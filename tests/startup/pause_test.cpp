// SPDX-License-Identifier: MIT
#include "startup/pause.h"
#include "platform/real_platform.h"
#include "platform/timer.h"
#include "support/virtual_event_loop.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

using testing_support::VirtualEventLoop;

namespace {

TEST(Pause, RunsDueTimersAndUserActionsAndEndsBeyondItsTime) {
    VirtualEventLoop loop(1000);
    int ticks = 0;
    bool clicked = false;
    platform::Timer timer(loop, 100);
    timer.onTick([&] { ++ticks; });
    timer.setEnabled(true);
    loop.after(150, [&] { clicked = true; });
    Pause(loop, 300);
    EXPECT_EQ(loop.tickCount(), 1301u);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(clicked);
}

TEST(Pause, AHandlerThatPausesInsideAPauseLetsBothEnd) {
    VirtualEventLoop loop;
    std::vector<quint32> ended;
    loop.after(100, [&] {
        Pause(loop, 1000);  // longer than the outer pause
        ended.push_back(loop.tickCount());
    });
    Pause(loop, 300);
    ended.push_back(loop.tickCount());
    EXPECT_EQ(ended, (std::vector<quint32>{1101, 1101}));
}

TEST(Pause, EndsAfterTheRequestedTimeAcrossTheTickWrap) {
    VirtualEventLoop loop(0xFFFFFFFFu - 50);
    Pause(loop, 2000);
    EXPECT_EQ(loop.tickCount(), static_cast<quint32>(0xFFFFFFFFu - 50 + 2001));
}

TEST(Pause, ZeroOrNegativeOnlyLetsPendingEventsRun) {
    VirtualEventLoop loop(500);
    bool ran = false;
    loop.at(500, [&] { ran = true; });
    Pause(loop, -5);
    EXPECT_TRUE(ran);
    EXPECT_EQ(loop.tickCount(), 501u);
}

}  // namespace

namespace {

TEST(Pause, OnTheRealLoopAQtTimerFiresInside) {
    platform::QtEventLoop loop;
    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    Pause(loop, 80);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 80);
}

}  // namespace
