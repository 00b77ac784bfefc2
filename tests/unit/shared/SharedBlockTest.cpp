#include "shared/SharedBlock.h"
#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "platform/SharedFile.h"
#include "platform/UnixAddress.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvyn {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<ConfigBlock> filled(uint8_t byte) {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), byte, sizeof *c);
    return c;
}

bool allBytes(const ConfigBlock &c, uint8_t byte) {
    const auto *p = reinterpret_cast<const uint8_t *>(&c);
    for (std::size_t i = 0; i < sizeof c; ++i)
        if (p[i] != byte)
            return false;
    return true;
}

struct FileInfo {
    bool exists = false;
    mode_t mode = 0;
    off_t size = 0;
    ino_t inode = 0;
};

FileInfo info(const std::string &path) {
    struct stat st {};
    FileInfo i;
    if (::lstat(path.c_str(), &st) == 0)
        i = {true, static_cast<mode_t>(st.st_mode & 07777), st.st_size, st.st_ino};
    return i;
}

void writeFile(const std::string &path, std::size_t size, char fill) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << std::string(size, fill);
}

TEST(SharedBlock, MonitorCreatesOptionOpensAndBothCopyWholeBlocks) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_EQ(monitor.blockState(), SharedObjectState::Ready) << monitor.error();
    ASSERT_EQ(monitor.mutexState(), SharedObjectState::Ready) << monitor.error();

    const FileInfo block = info(tmp.runtime() + kShareDataName);
    EXPECT_EQ(block.size, 84892);
    EXPECT_EQ(block.mode, 0600u);
    const FileInfo mutex = info(tmp.runtime() + kMutexObjectName);
    EXPECT_EQ(mutex.size, static_cast<off_t>(sizeof(pthread_mutex_t)));
    EXPECT_EQ(mutex.mode, 0600u);

    auto got = filled(0xEE);
    ASSERT_TRUE(monitor.take(*got));
    EXPECT_TRUE(allBytes(*got, 0)) << "a new block starts zero-filled";

    SharedConfigBlock option;
    option.open(tmp.runtime());
    ASSERT_TRUE(option.hasBlock()) << option.error();
    ASSERT_EQ(option.mutexState(), SharedObjectState::Ready);

    ASSERT_TRUE(monitor.publish(*filled(0x5A)));
    ASSERT_TRUE(option.take(*got));
    EXPECT_TRUE(allBytes(*got, 0x5A));

    ASSERT_TRUE(option.publish(*filled(0xA5)));
    ASSERT_TRUE(monitor.take(*got));
    EXPECT_TRUE(allBytes(*got, 0xA5));

    // Monitor ends normally: its objects go, and with them Option's copies
    // (nobody would take what Option publishes now).
    monitor.close();
    EXPECT_FALSE(info(tmp.runtime() + kShareDataName).exists);
    EXPECT_FALSE(info(tmp.runtime() + kMutexObjectName).exists);
    EXPECT_FALSE(option.take(*got));
    EXPECT_FALSE(option.publish(*got));

    // The peer closing removes nothing.
    SharedConfigBlock again;
    again.create(tmp.runtime());
    SharedConfigBlock peer;
    peer.open(tmp.runtime());
    peer.close();
    EXPECT_TRUE(info(tmp.runtime() + kShareDataName).exists);
}

// Option opened before Monitor, or kept open while Monitor is restarted:
// every copy reaches the block now at the name, never an unlinked one.
TEST(SharedBlock, OptionFollowsTheBlockOfEachMonitor) {
    test::TempRuntime tmp;
    SharedConfigBlock option;
    option.open(tmp.runtime());
    ASSERT_FALSE(option.hasBlock());
    auto got = filled(0);

    auto first = std::make_unique<SharedConfigBlock>();
    first->create(tmp.runtime());
    ASSERT_TRUE(option.publish(*filled(0x11)));
    ASSERT_TRUE(first->take(*got));
    EXPECT_TRUE(allBytes(*got, 0x11));

    // A second Monitor after the first was killed (its files stay behind
    // until the new ones are renamed over them).
    SharedConfigBlock second;
    second.create(tmp.runtime());
    ASSERT_TRUE(second.publish(*filled(0x22)));
    ASSERT_TRUE(option.take(*got));
    EXPECT_TRUE(allBytes(*got, 0x22));
    ASSERT_TRUE(option.publish(*filled(0x33)));
    ASSERT_TRUE(second.take(*got));
    EXPECT_TRUE(allBytes(*got, 0x33));
    ASSERT_TRUE(first->take(*got));
    EXPECT_TRUE(allBytes(*got, 0x11)) << "the killed Monitor's block got nothing";
    first.reset(); // its files are no longer its own: left in place
    EXPECT_TRUE(info(tmp.runtime() + kShareDataName).exists);
    ASSERT_TRUE(option.take(*got));
    EXPECT_TRUE(allBytes(*got, 0x33));

    // Only the mutex replaced: Option takes the new one as well.
    const FileInfo blockBefore = info(tmp.runtime() + kShareDataName);
    RobustMutex newMutex;
    ASSERT_EQ(newMutex.create(tmp.runtime() + kMutexObjectName), SharedFileResult::Ready);
    ASSERT_EQ(newMutex.lock(), MutexLock::Acquired);
    std::thread attempt([&] { EXPECT_TRUE(option.publish(*filled(0x44))); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(second.take(*got));
    EXPECT_TRUE(allBytes(*got, 0x33)) << "the copy waits for the new mutex";
    newMutex.unlock();
    attempt.join();
    EXPECT_EQ(info(tmp.runtime() + kShareDataName).inode, blockBefore.inode);
}

TEST(SharedBlock, WithoutMonitorEveryCopyIsSkipped) {
    test::TempRuntime tmp;
    SharedConfigBlock option;
    option.open(tmp.runtime());
    EXPECT_EQ(option.blockState(), SharedObjectState::Absent);
    EXPECT_EQ(option.mutexState(), SharedObjectState::Absent);
    EXPECT_TRUE(option.error().empty()) << "absence is not an error: " << option.error();

    auto config = filled(0x11);
    EXPECT_FALSE(option.publish(*config));
    EXPECT_FALSE(option.take(*config));
    EXPECT_TRUE(allBytes(*config, 0x11)) << "take without a block leaves the record alone";
}

TEST(SharedBlock, BlockWithoutMutexIsNotCopied) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.publish(*filled(0x22)));
    ASSERT_EQ(::unlink((tmp.runtime() + kMutexObjectName).c_str()), 0);

    SharedConfigBlock option;
    option.open(tmp.runtime());
    ASSERT_TRUE(option.hasBlock());
    EXPECT_EQ(option.mutexState(), SharedObjectState::Absent);
    auto config = filled(0x33);
    EXPECT_FALSE(option.take(*config)) << "the wait cannot succeed without a mutex";
    EXPECT_TRUE(allBytes(*config, 0x33));
    EXPECT_FALSE(option.publish(*config));
    EXPECT_TRUE(monitor.take(*config));
    EXPECT_TRUE(allBytes(*config, 0x22)) << "nothing was written behind the mutex";
}

TEST(SharedBlock, OpenedFilesOfTheWrongShapeAreRefused) {
    test::TempRuntime tmp;
    writeFile(tmp.runtime() + kShareDataName, 84891, 'x');
    writeFile(tmp.runtime() + kMutexObjectName, 8, 'x');
    SharedConfigBlock option;
    option.open(tmp.runtime());
    EXPECT_EQ(option.blockState(), SharedObjectState::Failed);
    EXPECT_EQ(option.mutexState(), SharedObjectState::Failed);
    EXPECT_NE(option.error().find("84892"), std::string::npos) << option.error();
    auto config = filled(0);
    EXPECT_FALSE(option.take(*config));

    fs::remove(tmp.runtime() + kShareDataName);
    writeFile(tmp.runtime() + kShareDataName, 84893, 'x');
    option.open(tmp.runtime());
    EXPECT_EQ(option.blockState(), SharedObjectState::Failed) << "too long is refused too";

    fs::remove(tmp.runtime() + kShareDataName);
    fs::create_directory(tmp.runtime() + kShareDataName);
    option.open(tmp.runtime());
    EXPECT_EQ(option.blockState(), SharedObjectState::Failed);
    fs::remove(tmp.runtime() + kShareDataName);

    const std::string elsewhere = tmp.base() + "/elsewhere";
    writeFile(elsewhere, 84892, 'x');
    fs::create_symlink(elsewhere, tmp.runtime() + kShareDataName);
    option.open(tmp.runtime());
    EXPECT_EQ(option.blockState(), SharedObjectState::Failed) << "symlinks are not followed";
}

TEST(SharedBlock, LeftoversOfACrashAreReplaced) {
    test::TempRuntime tmp;
    writeFile(tmp.runtime() + kShareDataName, 100, 'x');
    writeFile(tmp.runtime() + kMutexObjectName, 3, 'x');
    ::chmod((tmp.runtime() + kShareDataName).c_str(), 0644);

    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock()) << monitor.error();
    ASSERT_EQ(monitor.mutexState(), SharedObjectState::Ready);
    const FileInfo block = info(tmp.runtime() + kShareDataName);
    EXPECT_EQ(block.size, 84892);
    EXPECT_EQ(block.mode, 0600u);
    auto config = filled(0xFF);
    ASSERT_TRUE(monitor.take(*config));
    EXPECT_TRUE(allBytes(*config, 0));

    // Nothing but the two objects is left in the folder (no temporaries).
    int entries = 0;
    for ([[maybe_unused]] const auto &e : fs::directory_iterator(tmp.runtime()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

// Option takes the block only while a Monitor runs: it holds its instance
// lock or answers at its endpoint. A killed Monitor leaves both files and
// an unheld lock file and a dead socket file behind.
TEST(SharedBlock, ABlockCountsOnlyWhileAMonitorRuns) {
    enum class Sign { Nothing, Lock, Endpoint, LeftByADeadMonitor };
    const std::pair<Sign, bool> cases[] = {{Sign::Nothing, false},
                                           {Sign::Lock, true},
                                           {Sign::Endpoint, true},
                                           {Sign::LeftByADeadMonitor, false}};
    for (const auto &[sign, live] : cases) {
        test::TempRuntime tmp;
        SharedConfigBlock left;
        left.create(tmp.runtime());
        ASSERT_TRUE(left.publish(*filled(0x5A)));
        InstanceLock lock;
        Endpoint endpoint;
        if (sign == Sign::Lock || sign == Sign::LeftByADeadMonitor) {
            ASSERT_EQ(lock.acquire(tmp.runtime(), kMonitorInstanceName), LockResult::Acquired);
        }
        if (sign == Sign::Endpoint) {
            ASSERT_EQ(endpoint.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound);
        }
        if (sign == Sign::LeftByADeadMonitor) {
            lock.release();
            const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
            const auto address = unixAddress(tmp.runtime() + kMonitorTitle);
            ASSERT_TRUE(address && ::bind(fd, address->get(), address->size()) == 0);
            ::close(fd);
        }
        SharedConfigBlock option;
        option.open(tmp.runtime(), BlockOwner::MonitorMustRun);
        auto got = filled(0);
        EXPECT_EQ(option.hasBlock(), live) << static_cast<int>(sign);
        EXPECT_EQ(option.take(*got), live) << static_cast<int>(sign);
        EXPECT_EQ(allBytes(*got, 0x5A), live);
        // The Monitor dies while Option runs: from then on nothing is copied.
        lock.release();
        endpoint.close();
        EXPECT_FALSE(option.publish(*filled(0x11)));
        EXPECT_FALSE(option.take(*got));
        ASSERT_TRUE(left.take(*got));
        EXPECT_TRUE(allBytes(*got, 0x5A));
    }
}

TEST(SharedBlock, MonitorWithoutARuntimeFolderRunsWithoutBlock) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.base() + "/missing/");
    EXPECT_EQ(monitor.blockState(), SharedObjectState::Failed);
    EXPECT_EQ(monitor.mutexState(), SharedObjectState::Failed);
    EXPECT_FALSE(monitor.error().empty());
    auto config = filled(1);
    EXPECT_FALSE(monitor.publish(*config));
    EXPECT_FALSE(monitor.take(*config));
}

TEST(SharedBlock, StorageThatCannotBeAllocatedIsAnErrorAtCreation) {
    // A full runtime tmpfs, as a file-size limit below the block's size (in a
    // child, so the limit stays there). A sparse file would map fine and
    // raise SIGBUS at the first copy.
    test::TempRuntime tmp;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(10);
        SharedConfigBlock monitor;
        monitor.create(tmp.runtime());
        if (monitor.mutexState() != SharedObjectState::Ready)
            ::_exit(11); // the small mutex file fits
        if (monitor.blockState() != SharedObjectState::Failed)
            ::_exit(12);
        if (monitor.error().find("cannot allocate 84892 bytes") == std::string::npos)
            ::_exit(13);
        auto config = filled(7);
        if (monitor.publish(*config))
            ::_exit(14);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    // No half-made block is left under its name or a temporary one.
    EXPECT_FALSE(info(tmp.runtime() + kShareDataName).exists);
}

TEST(SharedBlock, ACutBlockFileIsRestoredByMonitorAndNeverFaults) {
    test::TempRuntime tmp;
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    ASSERT_TRUE(monitor.hasBlock()) << monitor.error();
    SharedConfigBlock option;
    option.open(tmp.runtime());
    ASSERT_TRUE(option.hasBlock()) << option.error();
    auto config = filled(0x5A);
    ASSERT_TRUE(monitor.publish(*config));

    const std::string path = tmp.runtime() + kShareDataName;
    for (off_t cut : {off_t(0), off_t(100), off_t(84891), off_t(200000)}) {
        SCOPED_TRACE(cut);
        ASSERT_EQ(::truncate(path.c_str(), cut), 0);
        auto copy = filled(1);
        EXPECT_FALSE(option.take(*copy)) << "a copy out of a cut file would fault";
        EXPECT_FALSE(option.publish(*copy));
        EXPECT_FALSE(monitor.take(*copy)) << "the record is gone: nothing to take";
        EXPECT_TRUE(allBytes(*copy, 1));
        EXPECT_EQ(info(path).size, 84892) << "Monitor gave the file back its size";
        ASSERT_TRUE(monitor.publish(*config));
        ASSERT_TRUE(option.take(*copy));
        EXPECT_TRUE(allBytes(*copy, 0x5A));
    }
    // The mutex file cut too: restored and usable again.
    ASSERT_EQ(::truncate((tmp.runtime() + kMutexObjectName).c_str(), 0), 0);
    EXPECT_FALSE(monitor.publish(*config));
    EXPECT_TRUE(monitor.publish(*config));
    auto copy = filled(1);
    EXPECT_TRUE(option.take(*copy));
}

TEST(SharedBlock, AFolderInTheBlocksPlaceIsAnError) {
    test::TempRuntime tmp;
    fs::create_directory(tmp.runtime() + kShareDataName);
    SharedConfigBlock monitor;
    monitor.create(tmp.runtime());
    EXPECT_EQ(monitor.blockState(), SharedObjectState::Failed);
    EXPECT_NE(monitor.error().find(std::string("in place of ") + tmp.runtime() + kShareDataName),
              std::string::npos)
        << monitor.error();
    int entries = 0;
    for ([[maybe_unused]] const auto &e : fs::directory_iterator(tmp.runtime()))
        ++entries;
    EXPECT_EQ(entries, 2) << "the folder and the mutex, no temporary";
}

TEST(RobustMutex, LockingTwiceFromOneThreadFailsInsteadOfHanging) {
    test::TempRuntime tmp;
    RobustMutex mutex;
    ASSERT_EQ(mutex.create(tmp.runtime() + kMutexObjectName), SharedFileResult::Ready);
    ASSERT_EQ(mutex.lock(), MutexLock::Acquired);
    EXPECT_EQ(mutex.lock(), MutexLock::Failed);
    mutex.unlock();
    {
        MutexGuard guard(mutex);
        EXPECT_TRUE(guard.locked());
    }
    EXPECT_EQ(mutex.lock(), MutexLock::Acquired) << "the guard released it";
    mutex.unlock();

    RobustMutex closed;
    EXPECT_EQ(closed.lock(), MutexLock::Failed);
}

} // namespace
} // namespace orvyn
