#include "platform/InstanceLock.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orvyn {
namespace {

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstReleases) {
    test::TempRuntime tmp;
    InstanceLock first, second;
    ASSERT_EQ(first.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::Acquired) << first.error();
    EXPECT_TRUE(std::filesystem::exists(tmp.runtime() + kMonitorInstanceName + ".lock"));
    EXPECT_EQ(second.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::AlreadyHeld);
    EXPECT_FALSE(second.held());

    // Different names do not interfere.
    InstanceLock option;
    EXPECT_EQ(option.acquire(tmp.runtime(), kOptionInstanceName), LockResult::Acquired);

    first.release();
    EXPECT_EQ(second.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::Acquired);

    // Moving keeps the lock held; destroying the holder releases it.
    {
        InstanceLock moved = std::move(second);
        EXPECT_TRUE(moved.held());
        EXPECT_EQ(first.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::AlreadyHeld);
    }
    EXPECT_EQ(first.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::Acquired);
}

TEST(InstanceLock, UnusableFolderOrNameIsAnError) {
    test::TempRuntime tmp;
    InstanceLock lock;
    EXPECT_EQ(lock.acquire(tmp.base() + "/missing/", "x"), LockResult::Error);
    EXPECT_FALSE(lock.error().empty());
    EXPECT_EQ(lock.acquire(tmp.runtime(), "../escape"), LockResult::Error);
    EXPECT_EQ(lock.acquire(tmp.runtime(), ""), LockResult::Error);
}

} // namespace
} // namespace orvyn
