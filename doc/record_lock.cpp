#include "doc/record_lock.h"

#include <chrono>
#include <thread>

namespace tw {

namespace {

constexpr int kSpinTries = 64;  // before the waiter starts sleeping

}  // namespace

bool RecordLock::Lock() {
    if (TryOnce()) return true;
    for (int i = 0; i < kSpinTries; ++i) {
        std::this_thread::yield();
        if (TryOnce()) return true;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs_);
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (TryOnce()) return true;
    }
    return false;
}

}  // namespace tw
