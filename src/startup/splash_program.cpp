// SPDX-License-Identifier: MIT
#include "startup/splash_program.h"

namespace startup {

bool startSplashProgram(const platform::Services& services) {
    return services.shell.startCommand(
        services.paths.join(services.programFolder, QString::fromLatin1(kSplashProgram)),
        platform::WindowStyle::MinimizedFocus);
}

}  // namespace startup
