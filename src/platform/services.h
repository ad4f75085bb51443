// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/instance_guard.h"
#include "platform/path_style.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/user_folders.h"
#include "platform/volumes.h"

namespace platform {

// Everything the windows need from the desktop, handed to them in one bundle. The real bundle
// comes from RealPlatform, the test one from tests/support/TestPlatform.
struct Services {
    EventLoop& loop;
    Dialogs& dialogs;
    SettingsStore& store;
    Shell& shell;
    SpecialFolders& folders;
    InstanceGuard& instance;
    Screen& screen;
    Volumes& volumes;
    const PathStyle& paths;
};

}  // namespace platform
