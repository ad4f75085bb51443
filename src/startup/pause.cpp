// SPDX-License-Identifier: MIT
#include "startup/pause.h"

void Pause(platform::EventLoop& loop, qint32 ms) {
    loop.runUntil(loop.tickCount() + static_cast<quint32>(std::max<qint32>(ms, 0)));
}
