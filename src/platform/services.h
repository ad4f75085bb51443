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

#include <QString>

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
    // The folder the program's own files live in: the executable's folder on the desktop, a
    // temporary folder in the tests. Files the program writes there (prefs.txt) and programs
    // it starts from there (the splash, the sister viewer) are found through it.
    QString programFolder;
};

}  // namespace platform
