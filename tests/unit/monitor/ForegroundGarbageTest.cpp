// What a compositor may send that it should not: windows without a process,
// processes that are gone, floods of activations, events for windows it
// never announced, endless names. The watch must stay right and bounded.
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "monitor/ForegroundWatch.h"
#include "monitor/ToplevelTracker.h"

namespace orvyn {
namespace {

constexpr pid_t kRacerPid = 4242; // the only process the lookup knows

// The tracker's activated window as a desktop would give it to the watch,
// with the process the compositor's IPC would name.
class TrackedSource final : public ForegroundSource {
public:
    std::optional<ForegroundWindow> foregroundWindow() override {
        const auto top = tracker.active();
        if (!top)
            return std::nullopt;
        return ForegroundWindow{pid, top->appId};
    }
    bool hasOwnWindow(pid_t) override { return true; }
    ToplevelTracker tracker;
    std::optional<pid_t> pid;
};

void show(ToplevelTracker &t, ToplevelTracker::Id id, const std::string &appId) {
    t.added(id);
    t.appId(id, appId);
    t.activated(id, true);
    t.done(id);
}

TEST(ForegroundGarbage, WatchStaysRightAndBounded) {
    ConfigBlock config{};
    setFixed(config.profiles[1].GameFile, "C:\\Games\\Racer.exe");
    const struct {
        const char *what;
        std::function<void(ToplevelTracker &)> events;
        std::optional<pid_t> pid;
        std::optional<int> switchTo;
    } rows[] = {
        {"no pid: the app id names the game", [](ToplevelTracker &t) { show(t, 1, "racer"); }, std::nullopt,
         1},
        {"a pid that is gone", [](ToplevelTracker &t) { show(t, 1, "racer"); }, 31337, std::nullopt},
        {"the game's own process", [](ToplevelTracker &t) { show(t, 1, "x"); }, kRacerPid, 1},
        {"10,000 activations, the game last",
         [](ToplevelTracker &t) {
             for (int i = 0; i < 10000; ++i) {
                 const bool racer = i % 2 == 1;
                 show(t, racer ? 2 : 1, racer ? "racer" : "editor");
                 t.activated(racer ? 1 : 2, false);
                 t.done(racer ? 1 : 2);
             }
         },
         std::nullopt, 1},
        {"10,000 windows never closed",
         [](ToplevelTracker &t) {
             for (ToplevelTracker::Id id = 1; id <= 10000; ++id)
                 show(t, id, "racer");
         },
         std::nullopt, 1},
        {"events for windows never announced",
         [](ToplevelTracker &t) {
             t.appId(77, "racer");
             t.activated(77, true);
             t.done(77);
             t.closed(78);
         },
         std::nullopt, std::nullopt},
        {"the game closed", [](ToplevelTracker &t) { show(t, 1, "racer"), t.closed(1); }, std::nullopt,
         std::nullopt},
        {"a name a megabyte long", [](ToplevelTracker &t) { show(t, 1, std::string(1 << 20, 'r')); },
         std::nullopt, std::nullopt},
        {"the connection ended", [](ToplevelTracker &t) { show(t, 1, "racer"), t.clear(); }, std::nullopt,
         std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        TrackedSource source;
        source.pid = row.pid;
        const ProcessLookup lookup{
            [](pid_t pid) {
                return pid == kRacerPid ? std::optional<ProcessNames>(ProcessNames{"racer.exe", "", ""})
                                        : std::nullopt;
            },
            [](pid_t) { return std::vector<pid_t>{}; }, [](pid_t) { return std::optional<pid_t>{}; }};
        ForegroundWatch watch(&source, lookup);
        const auto start = std::chrono::steady_clock::now();
        row.events(source.tracker);
        // A second's worth of events takes a fraction of one.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
        EXPECT_LE(source.tracker.size(), ToplevelTracker::kMaxToplevels);
        if (const auto top = source.tracker.active()) {
            EXPECT_LE(top->appId.size(), ToplevelTracker::kMaxText);
        }
        EXPECT_EQ(watch.tick(config), row.switchTo);
    }
}

} // namespace
} // namespace orvyn
