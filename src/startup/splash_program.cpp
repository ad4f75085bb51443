// SPDX-License-Identifier: MIT
#include "startup/splash_program.h"
#include "platform/path_style_qt.h"

namespace startup {

bool startSplashProgram(const platform::Services& services) {
    return services.shell.startCommand(
        platform::join(services.paths, services.programFolder, QString::fromLatin1(kSplashProgram)),
        platform::WindowStyle::MinimizedFocus);
}

}  // namespace startup
