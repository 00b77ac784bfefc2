// Recording fakes for the collaborators of Monitor's logic.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "monitor/CMonitorWnd.h"

namespace orvyn::test {

// Every side effect lands in one ordered journal so tests can check order.
struct Journal {
    std::vector<std::string> entries;
    void add(std::string e) { entries.push_back(std::move(e)); }
    bool contains(const std::string &e) const {
        for (const auto &x : entries)
            if (x == e)
                return true;
        return false;
    }
    std::ptrdiff_t indexOf(const std::string &e) const {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == e)
                return static_cast<std::ptrdiff_t>(i);
        return -1;
    }
};

class FakePoster final : public MessagePoster {
public:
    explicit FakePoster(Journal &j) : journal(j) {}
    bool exists(const std::string &title) override { return present.count(title) > 0; }
    bool post(const std::string &title, const PostedMessage &m) override {
        if (!exists(title))
            return false;
        journal.add("post " + title + " " + std::to_string(m.message) + " " + std::to_string(m.wParam) + " " +
                    std::to_string(m.lParam));
        return true;
    }
    Journal &journal;
    std::set<std::string> present;
};

class FakeExchange final : public ConfigExchange {
public:
    explicit FakeExchange(Journal &j) : journal(j) {}
    bool publish(const ConfigBlock &config) override {
        journal.add("publish");
        block = config;
        return true;
    }
    bool take(ConfigBlock &config) override {
        journal.add("take");
        if (!takes)
            return false;
        config = block;
        return true;
    }
    Journal &journal;
    ConfigBlock block{};
    bool takes = true;
};

class FakeKeyboard final : public KeyboardControl {
public:
    explicit FakeKeyboard(Journal &j) : journal(j) {}
    bool openMonitor() override {
        journal.add("openMonitor");
        return true;
    }
    bool openFeatureDevice() override {
        journal.add("openFeature");
        return present;
    }
    bool closeFeatureDevice() override {
        journal.add("closeFeature");
        return true;
    }
    bool closeMonitor() override {
        journal.add("closeMonitor");
        return true;
    }
    bool sendClosingReport() override {
        journal.add("report16");
        return true;
    }
    Journal &journal;
    bool present = true;
};

class FakeWorker final : public WorkerControl {
public:
    explicit FakeWorker(Journal &j) : journal(j) {}
    void setKeyboardState(KeyboardState s) override { state = s; }
    bool post(DeviceRequest r, int64_t a) override {
        journal.add("request " + std::to_string(static_cast<int>(r)) + " " + std::to_string(a));
        return accepts;
    }
    void cancelIfBusy() override { journal.add("cancel"); }
    WorkerStop stop() override {
        journal.add("stopWorker");
        return WorkerStop::Ended;
    }
    Journal &journal;
    KeyboardState state = KeyboardState::NotFound;
    bool accepts = true;
};

class FakeShell final : public Shell {
public:
    explicit FakeShell(Journal &j) : journal(j) {}
    LaunchOutcome open(const std::string &path) override {
        journal.add("open " + path);
        if (failures.count(path))
            return {false, failures.at(path)};
        return {true, {}};
    }
    LaunchOutcome startHelper(const std::string &path, const std::vector<std::string> &arguments) override {
        std::string line = "open " + path;
        for (const std::string &argument : arguments)
            line += " " + argument;
        journal.add(line);
        return {true, {}};
    }
    bool isProgram(const std::string &path) override { return programs.count(path) > 0; }
    Journal &journal;
    std::set<std::string> programs;
    std::map<std::string, std::string> failures; // path -> problem
};

class FakeNotifier final : public Notifier {
public:
    explicit FakeNotifier(Journal &j) : journal(j) {}
    void notify(const std::string &summary, const std::string &body) override {
        journal.add("notice " + summary + " | " + body);
    }
    Journal &journal;
};

class FakeUserTime final : public UserTimeSource {
public:
    std::optional<uint32_t> serverTime() override { return time; }
    std::optional<uint32_t> time;
};

class FakeTray final : public TrayControl {
public:
    explicit FakeTray(Journal &j) : journal(j) {}
    void add() override { journal.add("trayAdd"); }
    void remove() override { journal.add("trayRemove"); }
    Journal &journal;
};

class FakeLoop final : public MainLoop {
public:
    explicit FakeLoop(Journal &j) : journal(j) {}
    void startWatchTimer() override { journal.add("watchStart"); }
    void stopWatchTimer() override { journal.add("watchStop"); }
    void startReadBackTimer() override { journal.add("readBackStart"); }
    void stopReadBackTimer() override { journal.add("readBackStop"); }
    void startArrivalTimer() override { journal.add("arrivalStart"); }
    void stopArrivalTimer() override { journal.add("arrivalStop"); }
    void postToSelf(uint32_t m, int64_t w, int64_t l) override {
        journal.add("self " + std::to_string(m) + " " + std::to_string(w) + " " + std::to_string(l));
    }
    Journal &journal;
};

class FakeForeground final : public ForegroundSource {
public:
    std::optional<ForegroundWindow> foregroundWindow() override {
        return pid ? std::optional<ForegroundWindow>(ForegroundWindow{pid, {}}) : std::nullopt;
    }
    bool hasOwnWindow(pid_t p) override { return withWindows.contains(p); }
    std::optional<pid_t> pid;    // the process in front; none: no window is
    std::set<pid_t> withWindows; // processes with top-level windows
};

class FakePlayers final : public MediaPlayers {
public:
    explicit FakePlayers(Journal &j) : journal(j) {}
    std::vector<MediaPlayer> running() override { return players; }
    bool command(const std::string &bus, PlayerCommand c) override {
        static const char *names[] = {"Raise", "Next", "Previous", "PlayPause", "Play", "Pause", "Stop"};
        journal.add(std::string(names[static_cast<int>(c)]) + " " + bus);
        return true;
    }
    bool launch(const std::string &hint) override {
        journal.add("launch " + hint);
        return true;
    }
    bool installed(const std::string &hint) override { return installedApps.count(hint) > 0; }
    Journal &journal;
    std::vector<MediaPlayer> players;
    std::set<std::string> installedApps;
};

} // namespace orvyn::test
