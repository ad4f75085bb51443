// SPDX-License-Identifier: MIT
#include "engine/picture_limits.h"

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace engine {

namespace {

struct Budget {
    std::mutex mutex;
    std::condition_variable released;
    std::int64_t used = 0;
};

Budget& budget() {
    static Budget shared;
    return shared;
}

thread_local std::int64_t heldByThisThread = 0;

}  // namespace

std::string tooLarge(std::int64_t width, std::int64_t height) {
    return "picture too large: " + std::to_string(width) + " x " + std::to_string(height);
}

std::int64_t decodeBudget() {
    static const std::int64_t bytes = [] {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        if (pages <= 0 || pageSize <= 0) {
            return kMaxDecodeBytes;
        }
        return std::min(kMaxDecodeBytes, std::int64_t(pages) * pageSize / 2);
    }();
    return bytes;
}

MemoryReservation::MemoryReservation(std::int64_t bytes)
    : bytes_(std::max<std::int64_t>(bytes, 0)) {
    const std::int64_t total = decodeBudget();
    if (bytes_ > total) {
        return;
    }
    Budget& shared = budget();
    std::unique_lock lock(shared.mutex);
    if (heldByThisThread > 0 && shared.used + bytes_ > total) {
        return;
    }
    // Whoever holds a share is decoding and gives it back when done; waiters hold none.
    shared.released.wait(lock, [&] { return shared.used + bytes_ <= total; });
    shared.used += bytes_;
    heldByThisThread += bytes_;
    held_ = true;
}

MemoryReservation::~MemoryReservation() {
    release();
}

MemoryReservation::MemoryReservation(MemoryReservation&& other) noexcept
    : bytes_(std::exchange(other.bytes_, 0)), held_(std::exchange(other.held_, false)) {}

MemoryReservation& MemoryReservation::operator=(MemoryReservation&& other) noexcept {
    if (this != &other) {
        release();
        bytes_ = std::exchange(other.bytes_, 0);
        held_ = std::exchange(other.held_, false);
    }
    return *this;
}

void MemoryReservation::release() {
    if (!held_) {
        return;
    }
    held_ = false;
    Budget& shared = budget();
    {
        std::lock_guard lock(shared.mutex);
        shared.used -= bytes_;
        heldByThisThread -= bytes_;
    }
    shared.released.notify_all();
}

}  // namespace engine
