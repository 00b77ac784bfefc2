#include "platform/Endpoint.h"
#include "platform/Datagram.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvyn {
namespace {

// Sends raw bytes to an endpoint, bypassing the codec.
bool sendRaw(const std::string &path, const void *data, std::size_t size) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    const ssize_t n =
        ::sendto(fd, data, size, MSG_DONTWAIT, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::close(fd);
    return n == static_cast<ssize_t>(size);
}

// Leaves a socket file behind with nobody receiving, as a killed program does.
void makeStaleSocket(const std::string &path) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    ::close(fd);
}

bool isSocket(const std::string &path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

TEST(Endpoint, PostedMessagesArriveInOrderAtTheExactTitle) {
    test::TempRuntime tmp;
    Endpoint option;
    ASSERT_EQ(option.bind(tmp.runtime(), kOptionTitle), BindResult::Bound) << option.error();
    EXPECT_EQ(option.path(), tmp.runtime() + "Orvyn Vantor Keyboard Option");
    EXPECT_TRUE(isSocket(option.path()));

    EndpointPoster poster(tmp.runtime());
    EXPECT_TRUE(poster.exists(kOptionTitle));
    EXPECT_FALSE(poster.exists(kMonitorTitle));
    EXPECT_FALSE(poster.exists("orvyn vantor keyboard option")) << "titles match exactly";

    EXPECT_TRUE(poster.post(kOptionTitle, WM_READBACK_DONE));
    EXPECT_TRUE(poster.post(kOptionTitle, WM_SYSCOMMAND_MSG, SC_RESTORE_CMD, 7));
    PostedMessage notice;
    notice.message = WM_COPYDATA_MSG;
    notice.dwData = 3;
    notice.copyData.assign(kMaxCopyDataSize, 'x');
    EXPECT_TRUE(poster.post(kOptionTitle, notice));
    EXPECT_FALSE(poster.post(kMonitorTitle, WM_CLOSE_MSG)) << "nobody there";

    const auto got = option.receive();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].message, WM_READBACK_DONE);
    EXPECT_EQ(got[1].message, WM_SYSCOMMAND_MSG);
    EXPECT_EQ(got[1].wParam, SC_RESTORE_CMD);
    EXPECT_EQ(got[1].lParam, 7);
    EXPECT_EQ(got[2].dwData, 3u);
    EXPECT_EQ(got[2].copyData, notice.copyData);
    EXPECT_TRUE(option.receive().empty()) << "drained";
}

TEST(Endpoint, MalformedDatagramsAreDroppedAndCounted) {
    test::TempRuntime tmp;
    Endpoint ep;
    ASSERT_EQ(ep.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound);

    std::vector<uint8_t> bad(24, 0);
    bad[0] = 16;
    bad[4] = 1; // reserved word
    ASSERT_TRUE(sendRaw(ep.path(), bad.data(), bad.size()));
    ASSERT_TRUE(sendRaw(ep.path(), bad.data(), 5));
    std::vector<uint8_t> huge(kMaxDatagramSize + 100, 0);
    huge[0] = 74;
    ASSERT_TRUE(sendRaw(ep.path(), huge.data(), huge.size()));
    std::vector<uint8_t> good(24, 0);
    good[0] = 16;
    ASSERT_TRUE(sendRaw(ep.path(), good.data(), good.size()));

    const auto got = ep.receive();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_CLOSE_MSG);
    EXPECT_EQ(ep.rejectedCount(), 3u);
}

TEST(Endpoint, ReceiveStopsAtItsLimitAndKeepsTheRest) {
    test::TempRuntime tmp;
    Endpoint ep;
    ASSERT_EQ(ep.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound);
    EndpointPoster poster(tmp.runtime());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(poster.post(kMonitorTitle, WM_CONFIG_APPLY, i));
    auto first = ep.receive(2);
    ASSERT_EQ(first.size(), 2u);
    auto rest = ep.receive();
    ASSERT_EQ(rest.size(), 3u);
    EXPECT_EQ(rest[0].wParam, 2);
}

TEST(Endpoint, FullQueueFailsThePostInsteadOfBlocking) {
    test::TempRuntime tmp;
    Endpoint ep;
    ASSERT_EQ(ep.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    EndpointPoster poster(tmp.runtime());
    int accepted = 0;
    // The kernel's queue is bounded; posting far past it must return false,
    // never hang this thread.
    for (int i = 0; i < 100000 && poster.post(kOptionTitle, WM_APPLY_DONE); ++i)
        ++accepted;
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 100000);
    EXPECT_EQ(ep.receive(100000).size(), static_cast<std::size_t>(accepted));
    EXPECT_TRUE(poster.post(kOptionTitle, WM_APPLY_DONE)) << "room again after draining";
}

TEST(Endpoint, StaleSocketIsNotFoundAndReplacedByTheNextOwner) {
    test::TempRuntime tmp;
    const std::string path = tmp.runtime() + kMonitorTitle;
    makeStaleSocket(path);
    ASSERT_TRUE(isSocket(path));

    EndpointPoster poster(tmp.runtime());
    EXPECT_FALSE(poster.exists(kMonitorTitle));
    EXPECT_FALSE(poster.post(kMonitorTitle, WM_CONFIG_APPLY));

    Endpoint ep;
    ASSERT_EQ(ep.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound) << ep.error();
    EXPECT_TRUE(poster.exists(kMonitorTitle));
    EXPECT_TRUE(poster.post(kMonitorTitle, WM_CONFIG_APPLY));
    EXPECT_EQ(ep.receive().size(), 1u);
}

TEST(Endpoint, LiveTitleIsTakenAndLeftAlone) {
    test::TempRuntime tmp;
    Endpoint first, second;
    ASSERT_EQ(first.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound);
    EXPECT_EQ(second.bind(tmp.runtime(), kMonitorTitle), BindResult::Taken);
    EXPECT_FALSE(second.isBound());
    EndpointPoster poster(tmp.runtime());
    EXPECT_TRUE(poster.post(kMonitorTitle, WM_CLOSE_MSG));
    EXPECT_EQ(first.receive().size(), 1u) << "the first owner still receives";
}

TEST(Endpoint, CloseRemovesOnlyItsOwnSocketFile) {
    test::TempRuntime tmp;
    const std::string path = tmp.runtime() + kOptionTitle;
    {
        Endpoint ep;
        ASSERT_EQ(ep.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    }
    EXPECT_FALSE(isSocket(path)) << "removed on destruction";

    Endpoint old;
    ASSERT_EQ(old.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    ASSERT_EQ(::unlink(path.c_str()), 0); // someone removed it and a successor bound
    Endpoint successor;
    ASSERT_EQ(successor.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    old.close();
    EXPECT_TRUE(isSocket(path)) << "the successor's file survives the old owner's close";
}

TEST(Endpoint, RefusesWhatItCannotOrMustNotBind) {
    test::TempRuntime tmp;
    Endpoint ep;
    EXPECT_EQ(ep.bind(tmp.runtime(), std::string(200, 'a')), BindResult::Error) << "path too long";
    EXPECT_EQ(ep.bind(tmp.runtime(), "a/b"), BindResult::Error);
    EXPECT_EQ(ep.bind(tmp.runtime(), ""), BindResult::Error);

    const std::string file = tmp.runtime() + kOptionTitle;
    FILE *f = std::fopen(file.c_str(), "w");
    ASSERT_TRUE(f);
    std::fclose(f);
    EXPECT_EQ(ep.bind(tmp.runtime(), kOptionTitle), BindResult::Error);
    EXPECT_NE(ep.error().find("not a socket"), std::string::npos) << ep.error();
    struct stat st {};
    EXPECT_EQ(::lstat(file.c_str(), &st), 0) << "a regular file is never removed";

    EndpointPoster poster(tmp.runtime());
    EXPECT_FALSE(poster.exists(kOptionTitle));
    EXPECT_FALSE(poster.post(std::string(200, 'a'), WM_CLOSE_MSG));
}

} // namespace
} // namespace orvyn
