// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Tells whether another instance of the program runs for the same user. The first instance
// holds the claim until it ends.
class InstanceGuard {
  public:
    virtual ~InstanceGuard() = default;
    // Claims the program for this process; false only when another live process (or guard)
    // holds it.
    virtual bool claim() = 0;
};

// A lock file in the user's runtime folder, held with an advisory lock for as long as the
// process lives. The system drops that lock when its holder ends, however it ends, so a file
// left behind (empty, unreadable, from a crash) never keeps the program from starting: only a
// live holder refuses a claim. When no lock can be made at all (no runtime folder, a full or
// read-only one), the claim is granted: a second copy is better than none.
class LockFileInstanceGuard : public InstanceGuard {
  public:
    // An empty path makes no lock: every claim is granted.
    explicit LockFileInstanceGuard(QString lockPath);
    ~LockFileInstanceGuard() override;
    LockFileInstanceGuard(const LockFileInstanceGuard&) = delete;
    LockFileInstanceGuard& operator=(const LockFileInstanceGuard&) = delete;

    // `program`.lock in the user's runtime folder; empty when the user has none, since a
    // folder shared between users would let one user's copy stop another's.
    static QString defaultLockPath(const QString& program);
    bool claim() override;
    // Whether this guard holds the lock (a granted claim may hold none).
    bool holdsLock() const { return fd_ >= 0; }

  private:
    QString path_;
    int fd_ = -1;
    bool claimed_ = false;
};

}  // namespace platform
