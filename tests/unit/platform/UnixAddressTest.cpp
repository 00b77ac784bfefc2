#include "platform/UnixAddress.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orvyn {
namespace {

TEST(UnixAddressTest, AcceptsOnlyPathsThatFitWhole) {
    const std::size_t room = sizeof(sockaddr_un::sun_path);
    struct Case {
        std::string path;
        bool fits;
    };
    const Case cases[] = {
        {"", false},
        {"/", true},
        {std::string(room - 1, 'a'), true}, // the terminating NUL still fits
        {std::string(room, 'a'), false},
        {std::string("/tmp/a\0b", 8), false}, // would be cut at the NUL
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.path.size());
        EXPECT_EQ(fitsUnixAddress(c.path), c.fits);
        const auto address = unixAddress(c.path);
        ASSERT_EQ(address.has_value(), c.fits);
        if (!address)
            continue;
        EXPECT_EQ(address->address.sun_family, AF_UNIX);
        EXPECT_EQ(std::string(address->address.sun_path), c.path);
        EXPECT_EQ(address->size(), sizeof(sockaddr_un));
    }
}

TEST(UnixAddressTest, ProbeTellsLiveStaleMissingAndWrongType) {
    test::TempDir dir;
    const auto address = unixAddress(dir.file("s"));
    ASSERT_TRUE(address);
    EXPECT_EQ(probeUnixSocket(*address, SOCK_STREAM), SocketProbe::Missing);
    EXPECT_EQ(connectUnixSocket(*address, SOCK_STREAM), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(connectUnixSocket(std::string(200, 'a'), SOCK_STREAM), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);

    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    ASSERT_EQ(::bind(listener, address->get(), address->size()), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    EXPECT_EQ(probeUnixSocket(*address, SOCK_STREAM), SocketProbe::Live);
    // A listener of another type is no peer for us.
    EXPECT_EQ(probeUnixSocket(*address, SOCK_SEQPACKET), SocketProbe::Failed);

    const int client = connectUnixSocket(dir.file("s"), SOCK_STREAM | SOCK_NONBLOCK);
    ASSERT_GE(client, 0);
    EXPECT_TRUE(::fcntl(client, F_GETFD) & FD_CLOEXEC);
    ::close(client);

    // Closed without removing the file, as a killed owner leaves it.
    ::close(listener);
    EXPECT_EQ(probeUnixSocket(*address, SOCK_STREAM), SocketProbe::Stale);
}

} // namespace
} // namespace orvyn
