#include "platform/ProcFs.h"
#include "support/TempDir.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvyn {
namespace {

// The live kernel's own formats, which the fake trees of other tests only imitate.
TEST(ProcFsTest, ReadsThisProcessAndFindsItsChild) {
    const pid_t self = ::getpid();
    const auto exe = procExecutable(self, "/proc");
    ASSERT_TRUE(exe);
    EXPECT_EQ(exe->substr(exe->rfind('/') + 1), "platform_unit_tests");
    const auto argv0 = procFirstArgument(self, "/proc");
    ASSERT_TRUE(argv0);
    EXPECT_NE(argv0->find("platform_unit_tests"), std::string::npos);
    const auto comm = procCommandName(self, "/proc");
    ASSERT_TRUE(comm);
    EXPECT_LE(comm->size(), 15u);
    EXPECT_EQ(comm->find('\n'), std::string::npos);
    EXPECT_EQ(procParent(self, "/proc"), ::getppid());

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    EXPECT_EQ(procParent(child, "/proc"), self);
    const auto ids = procProcessIds("/proc");
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_NE(std::find(ids.begin(), ids.end(), child), ids.end());
    // Kernels built without children lists give none; then nothing is claimed.
    if (const auto children = procListedChildren(self, "/proc")) {
        EXPECT_NE(std::find(children->begin(), children->end(), child), children->end());
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(procExecutable(child, "/proc"));
    EXPECT_FALSE(procParent(child, "/proc"));
}

TEST(ProcFsTest, OddFilesAreCutOrRefusedNeverTrusted) {
    test::TempDir root;
    const std::string folder = root.file("7");
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    // A long command line is cut at 4096 bytes; argv[0] within it survives.
    std::ofstream(folder + "/cmdline", std::ios::binary)
        << "/opt/game/run.exe" << '\0' << std::string(10000, 'x');
    // A name holding ") " cannot hide the parent field.
    std::ofstream(folder + "/stat") << "7 (a) S 99 (b)) S 42 7 7 0";
    std::ofstream(folder + "/comm") << "game\n";
    ASSERT_EQ(::mkfifo((folder + "/exe").c_str(), 0600), 0); // not a link: no executable
    EXPECT_EQ(procFirstArgument(7, root.path()), "/opt/game/run.exe");
    EXPECT_EQ(procParent(7, root.path()), 42);
    EXPECT_EQ(procCommandName(7, root.path()), "game");
    EXPECT_FALSE(procExecutable(7, root.path()));
    EXPECT_FALSE(procListedChildren(7, root.path()));

    // A FIFO in a file's place must not block the reader.
    ASSERT_EQ(::unlink((folder + "/comm").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder + "/comm").c_str(), 0600), 0);
    EXPECT_FALSE(procCommandName(7, root.path()));
    // Unparseable parents are none.
    std::ofstream(folder + "/stat", std::ios::trunc) << "7 (a) S";
    EXPECT_FALSE(procParent(7, root.path()));
}

} // namespace
} // namespace orvyn
