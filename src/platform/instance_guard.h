// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Tells whether another instance of the program runs for the same user. The first instance
// holds the claim until it ends.
class InstanceGuard {
  public:
    virtual ~InstanceGuard() = default;
    // Claims the program for this process; false when another process (or guard) holds it.
    virtual bool claim() = 0;
};

}  // namespace platform
