// A German user's Monitor: the OSD it starts speaks the language Monitor was
// given, and the profile notice that reaches the desktop is German.
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorProcessTest, ProfileNoticeReachesTheDesktopInMonitorsLanguage) {
    if (!std::filesystem::exists("/usr/bin/dbus-daemon"))
        GTEST_SKIP() << "dbus-daemon is not installed";
    // A session bus of our own, with a notification service that says what
    // it was asked to show.
    Child bus({"/usr/bin/dbus-daemon", "--session", "--nofork", "--print-address=1"});
    const auto address = bus.readLine();
    ASSERT_TRUE(address && !address->empty()) << "no session bus";
    const ScopedVariable session("DBUS_SESSION_BUS_ADDRESS", *address);
    Child service({ORVYN_FAKE_NOTIFICATIONS});
    ASSERT_EQ(service.readLine(), std::optional<std::string>("ready"));

    // The real OSD and catalogues; every test runs with LANGUAGE=en, so only
    // Monitor's --language can make the OSD German.
    osd.close();
    std::filesystem::remove(programs + "OSD");
    std::filesystem::create_symlink(std::string(ORVYN_PROGRAM_DIR) + "OSD", programs + "OSD");
    std::filesystem::create_directory_symlink(std::string(ORVYN_PROGRAM_DIR) + "translations",
                                              programs + "translations");
    startConnected({"--language", "de"});
    EndpointPoster poster(runtime.runtime());
    ASSERT_TRUE(eventually([&] { return poster.exists(kOsdTitle); }, kPatience));

    ASSERT_TRUE(server->sendEvent(0x1000, 2)); // profile key 2 on the keyboard
    std::optional<std::string> notice;
    while ((notice = service.readLine(10)) && notice->rfind("notify Profil", 0) != 0) {
    }
    ASSERT_TRUE(notice) << "no profile notice reached the service";
    EXPECT_EQ(notice->substr(0, notice->find('|')), "notify Profil 2") << *notice;
    monitor->kill(SIGTERM);
    monitor->wait();
    monitor.reset();
}

} // namespace
} // namespace orvyn::test
