#pragma once
// The lock every time record owns: an unnamed mutual exclusion with a timed wait, kept in user
// space (one atomic flag, no kernel object), so a million records are made as fast as plain
// structs. Copying a lock gives a new, unlocked lock: a record's copy never shares or
// inherits its original's lock state. Not recursive: an owner that locks again waits.

#include <atomic>

namespace tw {

class RecordLock {
public:
    static constexpr int kDefaultWaitMs = 60000;

    RecordLock() = default;
    RecordLock(const RecordLock&) noexcept {}
    RecordLock& operator=(const RecordLock&) noexcept { return *this; }

    // Takes the lock, waiting at most WaitMs() milliseconds; false when that ran out.
    bool Lock();
    void Unlock() { locked_.store(false, std::memory_order_release); }
    bool IsLocked() const { return locked_.load(std::memory_order_acquire); }

    int WaitMs() const { return waitMs_; }
    void SetWaitMs(int ms) { waitMs_ = ms < 0 ? 0 : ms; }

private:
    bool TryOnce() { return !locked_.exchange(true, std::memory_order_acquire); }

    std::atomic<bool> locked_{false};
    int waitMs_ = kDefaultWaitMs;
};

// Holds a RecordLock for its scope when it could be taken; Owns() says whether it was.
class RecordLockGuard {
public:
    explicit RecordLockGuard(RecordLock& lock) : lock_(lock), owns_(lock.Lock()) {}
    ~RecordLockGuard() {
        if (owns_) lock_.Unlock();
    }
    RecordLockGuard(const RecordLockGuard&) = delete;
    RecordLockGuard& operator=(const RecordLockGuard&) = delete;

    bool Owns() const { return owns_; }

private:
    RecordLock& lock_;
    bool owns_;
};

// Runs `change` while holding `lock`; false, with nothing run, when the lock was not obtained.
template <typename Change>
bool RunLocked(RecordLock& lock, Change&& change) {
    RecordLockGuard guard(lock);
    if (!guard.Owns()) return false;
    change();
    return true;
}

}  // namespace tw
