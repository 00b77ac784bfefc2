// The keyboard's notices (profile, lighting, Windows-key lock) and the texts
// other programs copy to the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "MonitorWndFixture.h"

namespace orvyn::test {
namespace {

TEST_F(MonitorWndTest, ProfileNoticeWritesPublishesAndTellsOptionThenOsd) {
    connect();
    wnd->dispatch(0x10000003);
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 2);
    EXPECT_EQ(ini().readNumber("Setting", "CurrentProfile", -1), 2);
    const std::vector<std::string> expected = {"publish", kOption + "1255 0 0",
                                               kOsd + "1324 40 " + std::to_string(2 << 16)};
    EXPECT_EQ(journal.entries, expected);
    EXPECT_EQ(exchange.block.CurrentProfile, 2);

    journal.entries.clear();
    wnd->dispatch(0x10000000);
    wnd->dispatch(0x10000006);
    wnd->dispatch(0x10000101); // the whole data word counts
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(wnd->snapshot().CurrentProfile, 2);
}

TEST_F(MonitorWndTest, LightingNotices) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = 1; });
    wnd->dispatch(0x20000005);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 5);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"publish", kOption + "1257 0 0"}));

    journal.entries.clear();
    wnd->dispatch(0x30000010);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtControl, 16);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"publish", kOption + "1257 0 0"}));

    journal.entries.clear();
    const int32_t control = wnd->snapshot().profiles[1].LtControl;
    for (uint32_t word : {0x30000003u, 0x30000000u, 0x30000040u, 0x20000000u, 0x20000008u})
        wnd->dispatch(word);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(wnd->snapshot().profiles[1].LtControl, control);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 5);

    // A stray high byte never reaches the record.
    wnd->dispatch(0x20000203);
    EXPECT_EQ(wnd->snapshot().profiles[1].LtColor, 3);
}

TEST_F(MonitorWndTest, WindowsKeyTellsOsdBeforeOption) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = 4; });
    wnd->dispatch(0x50000000);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLock(), 1);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLockTwin(), 1);
    EXPECT_EQ(settings->readOsdMessage(), "Windows Key: Lock");
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"publish", kOsd + "1324 50 0", kOption + "1257 0 0"}));

    wnd->dispatch(0x50000001);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLock(), 0);
    EXPECT_EQ(wnd->snapshot().profiles[4].winKeyLockTwin(), 0);
    EXPECT_EQ(settings->readOsdMessage(), "Windows Key: UnLock");

    journal.entries.clear();
    wnd->dispatch(0x50000002);
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MonitorWndTest, NoticesWithoutOptionOrOsdStillPublish) {
    connect();
    poster.present.clear();
    wnd->dispatch(0x10000002);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"publish"});
}

TEST_F(MonitorWndTest, NoticesWithoutSelectedProfileChangeNothing) {
    connect();
    edit([](ConfigBlock &c) { c.CurrentProfile = -1; });
    wnd->dispatch(0x20000003);
    wnd->dispatch(0x50000000);
    EXPECT_TRUE(journal.entries.empty());
}

PostedMessage copyData(std::size_t size, std::string_view text) {
    PostedMessage m;
    m.message = WM_COPYDATA_MSG;
    m.hasCopyData = true;
    m.copyData.assign(size, 0);
    for (std::size_t i = 0; i < text.size() && i + 1 < size; ++i)
        m.copyData[i + 1] = static_cast<uint8_t>(text[i]);
    return m;
}

TEST_F(MonitorWndTest, CopyDataTakesOnlyTheNoticeSize) {
    connect();
    EXPECT_EQ(wnd->handle(copyData(150, "short")), 1);
    EXPECT_EQ(wnd->handle(copyData(152, "long")), 1);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_EQ(settings->readOsdMessage(), "");

    EXPECT_EQ(wnd->handle(copyData(151, "New mail")), 1);
    EXPECT_EQ(settings->readOsdMessage(), "New mail");
    EXPECT_EQ(journal.entries, std::vector<std::string>{kOsd + "1324 50 0"});

    // Without a NUL the text runs to the end of the block.
    PostedMessage full = copyData(151, "");
    std::fill(full.copyData.begin() + 1, full.copyData.end(), 'x');
    wnd->handle(full);
    EXPECT_EQ(settings->readOsdMessage(), std::string(150, 'x'));
}

TEST_F(MonitorWndTest, CopyDataWhileDisconnectedOnlyStoresTheText) {
    keyboard.present = false;
    wnd->startKeyboard(false);
    journal.entries.clear();
    wnd->handle(copyData(151, "Call"));
    EXPECT_EQ(settings->readOsdMessage(), "Call");
    EXPECT_TRUE(journal.entries.empty());
}

TEST_F(MonitorWndTest, AFailedSaveIsToldOnceAndTheNextSaveWritesTheWholeRecord) {
    connect();
    namespace fs = std::filesystem;
    const std::string told = "self " + std::to_string(WM_SETTINGS_UNSAVED) + " 0 0";
    auto toldCount = [&] { return std::count(journal.entries.begin(), journal.entries.end(), told); };
    // A file where the profiles' folder belongs: no profile file can be written, even as root.
    fs::remove_all(folder + "config");
    std::ofstream(folder + "config") << "in the way";
    const ConfigBlock record = wnd->snapshot();
    // A read-back arrives from the worker and is taken on the main thread.
    auto readBack = [&] {
        wnd->workerEvents().readBack(record);
        wnd->handle(msg(WM_WORKER_RESULT, 0, 0));
    };

    readBack();
    readBack();
    EXPECT_EQ(toldCount(), 1);
    wnd->handle(msg(WM_SETTINGS_UNSAVED, 0, 0));
    const auto notice = std::find_if(journal.entries.begin(), journal.entries.end(),
                                     [](const std::string &e) { return e.rfind("notice ", 0) == 0; });
    ASSERT_NE(notice, journal.entries.end());
    EXPECT_NE(notice->find("config/Default0.gkp"), std::string::npos) << *notice;
    EXPECT_EQ(wnd->handleFromOutside(msg(WM_SETTINGS_UNSAVED, 0, 0)), 0);

    // Space again: a profile change on the keyboard writes the whole record, not just CurrentProfile.
    fs::remove(folder + "config");
    fs::create_directories(folder + "config");
    wnd->dispatch(0x10000004);
    EXPECT_EQ(ini().readNumber("Setting", "CurrentProfile", -1), 3);
    for (int p = 0; p < kProfileCount; ++p)
        EXPECT_TRUE(fs::exists(settings->profilePath(p))) << p;

    // Level again, so the next failure is told again.
    fs::remove_all(folder + "config");
    std::ofstream(folder + "config") << "in the way";
    readBack();
    EXPECT_EQ(toldCount(), 2);
}

} // namespace
} // namespace orvyn::test
