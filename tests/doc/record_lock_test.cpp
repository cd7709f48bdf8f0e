#include "doc/record_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tw {
namespace {

TEST(RecordLock, ExclusiveWithBoundedWait) {
    RecordLock lock;
    EXPECT_EQ(RecordLock::kDefaultWaitMs, lock.WaitMs());
    lock.SetWaitMs(20);
    ASSERT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.IsLocked());
    EXPECT_FALSE(lock.Lock());  // not recursive: the wait runs out
    {
        RecordLockGuard guard(lock);
        EXPECT_FALSE(guard.Owns());
    }
    EXPECT_TRUE(lock.IsLocked());  // a guard that did not get it leaves it alone
    lock.Unlock();
    {
        RecordLockGuard guard(lock);
        EXPECT_TRUE(guard.Owns());
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(RunLocked(lock, [] { ADD_FAILURE() << "ran without the lock"; }));
    }
    EXPECT_FALSE(lock.IsLocked());
    int runs = 0;
    EXPECT_TRUE(RunLocked(lock, [&] { ++runs; }));
    EXPECT_EQ(1, runs);
    lock.SetWaitMs(-5);
    EXPECT_EQ(0, lock.WaitMs());
}

TEST(RecordLock, WaiterGetsTheLockWhenTheHolderReleasesIt) {
    RecordLock lock;
    lock.SetWaitMs(10000);
    ASSERT_TRUE(lock.Lock());
    std::atomic<bool> got{false};
    std::thread waiter([&] { got = lock.Lock(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(got);
    lock.Unlock();
    waiter.join();
    EXPECT_TRUE(got);
    EXPECT_TRUE(lock.IsLocked());
}

TEST(RecordLock, CopiesAreFreshLocks) {
    RecordLock held;
    ASSERT_TRUE(held.Lock());
    RecordLock copy(held);
    EXPECT_FALSE(copy.IsLocked());
    RecordLock assigned;
    ASSERT_TRUE(assigned.Lock());
    assigned = held;  // keeps its own state
    EXPECT_TRUE(assigned.IsLocked());
    assigned.Unlock();
    assigned = held;
    EXPECT_FALSE(assigned.IsLocked());
}

}  // namespace
}  // namespace tw
