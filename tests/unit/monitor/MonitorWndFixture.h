// The main window built on recording fakes and a virtual clock, shared by
// the message-table tests.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>

#include "MonitorFakes.h"
#include "shared/IniFile.h"

namespace orvyn::test {

inline PostedMessage msg(uint32_t message, int64_t wParam, int64_t lParam) {
    PostedMessage m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

inline const std::string kOsd = std::string("post ") + kOsdTitle + " ";
inline const std::string kOption = std::string("post ") + kOptionTitle + " ";

class MonitorWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/monitor-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
        std::filesystem::create_directories(folder + "config");
        settings = std::make_unique<SettingsStore>(folder);
        MonitorServices s;
        s.programFolder = "/opt/orvyn/";
        s.settings = settings.get();
        s.keyboard = &keyboard;
        s.worker = &worker;
        s.exchange = &exchange;
        s.poster = &poster;
        s.shell = &shell;
        s.players = &players;
        s.foreground = &foreground;
        s.processes.names = [this](pid_t pid) -> std::optional<ProcessNames> {
            if (pid == 42)
                return names;
            if (const auto it = otherNames.find(pid); it != otherNames.end())
                return it->second;
            return std::nullopt;
        };
        // Children first, then theirs, as the kernel's lists are walked.
        s.processes.descendants = [this](pid_t pid) {
            std::vector<pid_t> found{pid};
            for (std::size_t i = 0; i < found.size(); ++i) {
                for (const auto &[child, parent] : parents) {
                    if (parent == found[i])
                        found.push_back(child);
                }
            }
            found.erase(found.begin());
            return found;
        };
        s.processes.parent = [this](pid_t pid) -> std::optional<pid_t> {
            const auto it = parents.find(pid);
            return it == parents.end() ? std::nullopt : std::optional<pid_t>(it->second);
        };
        s.notifier = &notifier;
        s.userTime = &userTime;
        s.tray = &tray;
        s.loop = &loop;
        s.clock = &clock;
        s.trace = [this](std::string_view t) { journal.add("trace " + std::string(t)); };
        wnd = std::make_unique<CMonitorWnd>(std::move(s));
        edit([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
        poster.present = {kOptionTitle, kOsdTitle};
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    template <typename F> void edit(F f) { wnd->record().with(f); }

    // Brings the window to the connected state and forgets the journal.
    void connect() {
        wnd->startKeyboard(false);
        ASSERT_EQ(wnd->keyboardState(), KeyboardState::Connected);
        journal.entries.clear();
        clock.clearPauses();
    }
    IniDocument ini() const {
        IniDocument doc;
        loadIniDocument(folder + "config.ini", doc);
        return doc;
    }

    Journal journal;
    std::string folder;
    std::unique_ptr<SettingsStore> settings;
    FakeKeyboard keyboard{journal};
    FakeWorker worker{journal};
    FakeExchange exchange{journal};
    FakePoster poster{journal};
    FakeShell shell{journal};
    FakePlayers players{journal};
    FakeForeground foreground;
    ProcessNames names;
    std::map<pid_t, ProcessNames> otherNames;
    std::map<pid_t, pid_t> parents; // child -> parent
    FakeNotifier notifier{journal};
    FakeUserTime userTime;
    FakeTray tray{journal};
    FakeLoop loop{journal};
    VirtualClock clock;
    std::unique_ptr<CMonitorWnd> wnd;
};

} // namespace orvyn::test
