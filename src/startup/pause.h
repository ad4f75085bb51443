// SPDX-License-Identifier: MIT
#pragma once

#include "platform/event_loop.h"

// The busy pause: lets window events (timers, clicks, paints) run until the tick count is
// beyond its first reading plus `ms`. Callers must expect their own handlers to be re-entered
// while it waits.
void Pause(platform::EventLoop& loop, qint32 ms);
