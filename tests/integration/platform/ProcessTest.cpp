// The platform services between real processes: the helper program
// platform_peer plays the other side.
#include "Child.h"
#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "platform/SharedFile.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "support/TempRuntime.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>

namespace orvyn {
namespace {

using test::Child;

const std::string kPeer = PLATFORM_PEER_PATH;

bool exists(const std::string &path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool uniform(const ConfigBlock &c) {
    const auto *p = reinterpret_cast<const uint8_t *>(&c);
    for (std::size_t i = 1; i < sizeof c; ++i)
        if (p[i] != p[0])
            return false;
    return true;
}

uint8_t firstByte(const ConfigBlock &c) {
    return *reinterpret_cast<const uint8_t *>(&c);
}

TEST(AcrossProcesses, ConcurrentPublishAndTakeNeverYieldATornBlock) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock()) << monitor.error();

    Child writer({kPeer, "publish", tmp.runtime(), "40000"});
    Child reader({kPeer, "take-check", tmp.runtime(), "20000"});
    ASSERT_EQ(writer.readLine(), "ready");
    ASSERT_EQ(reader.readLine(), "ready");

    // This process reads too, as the owner, until the writer is done.
    auto copy = std::make_unique<ConfigBlock>();
    long takes = 0, torn = 0, foreign = 0;
    for (bool done = false; !done;) {
        for (int i = 0; i < 32; ++i, ++takes) {
            ASSERT_TRUE(monitor.take(*copy));
            if (!uniform(*copy))
                ++torn;
            else if (firstByte(*copy) != 0 && firstByte(*copy) != 0x5A && firstByte(*copy) != 0xA5)
                ++foreign;
        }
        if (auto line = writer.readLine(0))
            done = (*line == "done");
        else if (writer.outputEnded())
            FAIL() << "the writer ended without finishing";
    }
    EXPECT_EQ(writer.wait(), 0);
    EXPECT_EQ(torn, 0) << "of " << takes << " copies taken by the owner";
    EXPECT_EQ(foreign, 0);
    EXPECT_EQ(reader.readLine(60), "torn 0 seen 20000");
    EXPECT_EQ(reader.wait(), 0);

    ASSERT_TRUE(monitor.take(*copy));
    EXPECT_TRUE(uniform(*copy));
    EXPECT_EQ(firstByte(*copy), 0xA5) << "the writer's last pattern is what stays";
}

TEST(AcrossProcesses, HolderKilledWithTheMutexDoesNotLockOthersOut) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock());

    {
        Child holder({kPeer, "hold-mutex", tmp.runtime()});
        ASSERT_EQ(holder.readLine(), "ready");
        holder.kill();
        holder.wait();
    }
    RobustMutex mutex;
    ASSERT_EQ(mutex.open(tmp.runtime() + kMutexObjectName), SharedFileResult::Ready);
    EXPECT_EQ(mutex.lock(), MutexLock::RecoveredOwnerDied);
    mutex.unlock();
    EXPECT_EQ(mutex.lock(), MutexLock::Acquired) << "made consistent, so usable again";
    mutex.unlock();

    // Now with this side already waiting when the holder dies.
    Child holder({kPeer, "hold-mutex", tmp.runtime()});
    ASSERT_EQ(holder.readLine(), "ready");
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0x42, sizeof *config);
    bool published = false;
    std::thread waiter([&] { published = monitor.publish(*config); });
    holder.kill();
    holder.wait();
    waiter.join();
    EXPECT_TRUE(published);

    // A peer process copies normally afterwards.
    Child reader({kPeer, "take-check", tmp.runtime(), "3"});
    EXPECT_EQ(reader.readLine(), "ready");
    EXPECT_EQ(reader.readLine(), "torn 0 seen 3");
    EXPECT_EQ(reader.wait(), 0);
}

TEST(AcrossProcesses, AStoppedHolderOfTheMutexMakesCopiesFailAfterTwoSecondsNotHang) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock());
    Child holder({kPeer, "hold-mutex", tmp.runtime()});
    ASSERT_EQ(holder.readLine(), "ready");
    holder.kill(SIGSTOP);

    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0x42, sizeof *config);
    for (bool publish : {true, false}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(publish ? monitor.publish(*config) : monitor.take(*config));
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(1900));
        EXPECT_LT(waited, std::chrono::seconds(5));
    }
    // Once the holder is gone the copies work again.
    holder.kill(SIGKILL);
    holder.wait();
    EXPECT_TRUE(monitor.publish(*config));
    EXPECT_TRUE(monitor.take(*config));
}

TEST(AcrossProcesses, OwnerRemovesItsObjectsAtNormalExitAndCrashLeftoversAreReplaced) {
    test::TempRuntime tmp;
    const std::string block = tmp.runtime() + kShareDataName;
    const std::string mutex = tmp.runtime() + kMutexObjectName;
    {
        Child owner({kPeer, "own-block", tmp.runtime(), "9"});
        ASSERT_EQ(owner.readLine(), "ready");
        EXPECT_TRUE(exists(block));
        owner.closeStdin();
        EXPECT_EQ(owner.wait(), 0);
    }
    EXPECT_FALSE(exists(block));
    EXPECT_FALSE(exists(mutex));

    {
        Child owner({kPeer, "own-block", tmp.runtime(), "7"});
        ASSERT_EQ(owner.readLine(), "ready");
        owner.kill();
        owner.wait();
    }
    ASSERT_TRUE(exists(block)) << "a crash leaves the objects behind";
    auto copy = std::make_unique<ConfigBlock>();
    {
        SharedConfigBlock option;
        option.open(tmp.runtime());
        ASSERT_TRUE(option.take(*copy));
        EXPECT_EQ(firstByte(*copy), 7);
    }
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock());
    ASSERT_TRUE(monitor.take(*copy));
    EXPECT_TRUE(uniform(*copy));
    EXPECT_EQ(firstByte(*copy), 0) << "a fresh block, not the dead owner's";
}

TEST(AcrossProcesses, InstanceLockIsReleasedWhenItsHolderIsKilled) {
    test::TempRuntime tmp;
    Child holder({kPeer, "hold-lock", tmp.runtime(), kMonitorInstanceName});
    ASSERT_EQ(holder.readLine(), "ready");
    InstanceLock lock;
    EXPECT_EQ(lock.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::AlreadyHeld);
    holder.kill();
    holder.wait();
    EXPECT_EQ(lock.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::Acquired);

    Child second({kPeer, "hold-lock", tmp.runtime(), kMonitorInstanceName});
    EXPECT_EQ(second.readLine(), "refused");
    EXPECT_EQ(second.wait(), 1);
}

TEST(AcrossProcesses, DatagramsTravelBothWaysBetweenEndpoints) {
    test::TempRuntime tmp;
    Endpoint option;
    ASSERT_EQ(option.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    Child monitor({kPeer, "echo", tmp.runtime(), kMonitorTitle, kOptionTitle});
    ASSERT_EQ(monitor.readLine(), "ready");

    EndpointPoster poster(tmp.runtime());
    ASSERT_TRUE(poster.exists(kMonitorTitle));
    std::vector<PostedMessage> sent;
    auto add = [&](uint32_t message, int64_t w, int64_t l) {
        PostedMessage m;
        m.message = message;
        m.wParam = w;
        m.lParam = l;
        sent.push_back(m);
    };
    add(WM_CONFIG_APPLY, 1, 0);
    add(WM_COMMAND_MSG, CMD_CUSTOMIZER, 0);
    add(WM_SYSCOMMAND_MSG, SC_RESTORE_CMD, -1);
    PostedMessage big;
    big.message = WM_COPYDATA_MSG;
    big.dwData = 0x0123456789ABCDEFull;
    for (int i = 0; i < 4064; ++i)
        big.copyData.push_back(static_cast<uint8_t>(i * 7));
    big.hasCopyData = true;
    sent.push_back(big);
    PostedMessage empty;
    empty.message = WM_COPYDATA_MSG;
    empty.hasCopyData = true;
    sent.push_back(empty);
    add(WM_CLOSE_MSG, 0, 0);

    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (i == 3) {
            // A datagram of the wrong shape on the way: the receiver drops it.
            const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
            sockaddr_un addr{};
            addr.sun_family = AF_UNIX;
            std::strncpy(addr.sun_path, (tmp.runtime() + kMonitorTitle).c_str(), sizeof addr.sun_path - 1);
            const char junk[30] = {1, 2, 3};
            EXPECT_EQ(::sendto(fd, junk, sizeof junk, 0, reinterpret_cast<sockaddr *>(&addr), sizeof addr),
                      30);
            ::close(fd);
        }
        ASSERT_TRUE(poster.post(kMonitorTitle, sent[i])) << i;
        // Wait for each echo: the kernel queues only a few datagrams.
        std::vector<PostedMessage> got;
        while (got.empty()) {
            pollfd p{option.fd(), POLLIN, 0};
            ASSERT_EQ(::poll(&p, 1, 20000), 1) << "no echo for message " << i;
            got = option.receive();
        }
        ASSERT_EQ(got.size(), 1u) << "message " << i;
        EXPECT_EQ(got[0].message, sent[i].message) << i;
        EXPECT_EQ(got[0].wParam, sent[i].wParam) << i;
        EXPECT_EQ(got[0].lParam, sent[i].lParam) << i;
        EXPECT_EQ(got[0].dwData, sent[i].dwData) << i;
        EXPECT_EQ(got[0].hasCopyData, sent[i].hasCopyData) << i;
        EXPECT_EQ(got[0].copyData, sent[i].copyData) << i;
    }
    EXPECT_EQ(monitor.wait(), 0);
    EXPECT_FALSE(poster.exists(kMonitorTitle));
    EXPECT_FALSE(exists(tmp.runtime() + kMonitorTitle)) << "removed when the program ended";
}

TEST(AcrossProcesses, EndpointOfAKilledProgramIsStaleAndReplaced) {
    test::TempRuntime tmp;
    const std::string path = tmp.runtime() + kMonitorTitle;
    EndpointPoster poster(tmp.runtime());
    {
        Child first({kPeer, "bind", tmp.runtime(), kMonitorTitle});
        ASSERT_EQ(first.readLine(), "bound");
        EXPECT_TRUE(poster.exists(kMonitorTitle));
        Endpoint mine;
        EXPECT_EQ(mine.bind(tmp.runtime(), kMonitorTitle), BindResult::Taken);
        first.kill();
        first.wait();
    }
    ASSERT_TRUE(exists(path)) << "a killed program leaves its socket file";
    EXPECT_FALSE(poster.exists(kMonitorTitle));
    EXPECT_FALSE(poster.post(kMonitorTitle, WM_CONFIG_APPLY));

    Endpoint mine;
    ASSERT_EQ(mine.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound) << mine.error();
    EXPECT_TRUE(poster.post(kMonitorTitle, WM_CONFIG_APPLY));
    EXPECT_EQ(mine.receive().size(), 1u);

    Child late({kPeer, "bind", tmp.runtime(), kMonitorTitle});
    EXPECT_EQ(late.readLine(), "taken");
    EXPECT_EQ(late.wait(), 0);
    EXPECT_TRUE(poster.exists(kMonitorTitle)) << "the live owner keeps its title";
}

} // namespace
} // namespace orvyn
