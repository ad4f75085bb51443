// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

namespace startup {

// The splash program beside this one.
inline constexpr char kSplashProgram[] = "glimmer";

// Starts the splash program from the program folder, minimised with focus, with no arguments,
// without waiting for it. A splash program that is missing or cannot start is not reported:
// the result only tells the caller.
bool startSplashProgram(const platform::Services& services);

}  // namespace startup
