// Monitor as a real process in real time (run alone: the keyboard's
// arrival pause is timing-sensitive).
#include <gtest/gtest.h>

#include "MonitorProcessKit.h"

namespace orvyn::test {
namespace {

// Real time: the keyboard's 8000 ms pause after an arrival as it is.
class MonitorRealTime : public MonitorProcessTest {
protected:
    void SetUp() override {
        MonitorProcessTest::SetUp();
        ::setenv("ORVYN_TIME_SCALE", "1", 1);
    }
};

TEST_F(MonitorRealTime, ABouncingCableGivesOneReadBackAfterTheLastArrivalAndMonitorKeepsAnswering) {
    using Clock = std::chrono::steady_clock;
    // The server outlives this test body (it logs the disconnect at the
    // fixture's end), so the log is shared with it.
    struct PacketLog {
        std::mutex mutex;
        std::vector<std::pair<Clock::time_point, std::string>> lines;
    };
    auto log = std::make_shared<PacketLog>();
    server->setLog([log](std::string_view line) {
        std::lock_guard lock(log->mutex);
        log->lines.emplace_back(Clock::now(), std::string(line));
    });
    monitor = startMonitor(); // no keyboard yet
    ASSERT_TRUE(monitorListening());
    ASSERT_TRUE(waitForIni("Setting", "Device", 0));

    // Throughout, Monitor is asked to raise Option and must answer at once.
    std::atomic<bool> stop{false};
    std::atomic<int> readBacks{0};
    std::vector<Clock::duration> answers;
    int unanswered = 0;
    std::thread pinger([&] {
        EndpointPoster poster(runtime.runtime());
        while (!stop) {
            const auto sent = Clock::now();
            if (!poster.post(kMonitorTitle, WM_COMMAND_MSG, CMD_CUSTOMIZER, 0)) {
                ++unanswered;
                continue;
            }
            for (;;) {
                auto r = option.next(1000ms);
                if (!r) {
                    ++unanswered;
                    break;
                }
                if (r->message.message == WM_READBACK_DONE)
                    ++readBacks;
                if (r->message.message == WM_SYSCOMMAND_MSG) {
                    answers.push_back(Clock::now() - sent);
                    break;
                }
            }
            std::this_thread::sleep_for(20ms);
        }
    });

    // Five arrivals within 4 s.
    // Monitor cannot see an arrival before the plug starts, so the pause is
    // measured from there (its connection may come later under load).
    Clock::time_point lastPlug = Clock::now();
    bool plugged = server->start();
    for (int bounce = 1; bounce < 5 && plugged; ++bounce) {
        std::this_thread::sleep_for(700ms);
        server->unplug();
        std::this_thread::sleep_for(100ms);
        lastPlug = Clock::now();
        plugged = server->plug();
    }
    // The read-back and its announcement; then a while longer, in case a
    // second one follows.
    const auto end = Clock::now() + 40s;
    while (plugged && readBacks == 0 && Clock::now() < end)
        std::this_thread::sleep_for(50ms);
    std::this_thread::sleep_for(1500ms);
    stop = true;
    pinger.join();
    ASSERT_TRUE(plugged);
    EXPECT_EQ(readBacks, 1);

    std::lock_guard lock(log->mutex);
    Clock::time_point lastConnect{}, firstRequest{};
    int connects = 0;
    for (const auto &[at, line] : log->lines) {
        if (line == "host connected") {
            lastConnect = at;
            ++connects;
        } else if (line.rfind("<- ", 0) == 0 && firstRequest == Clock::time_point{}) {
            firstRequest = at;
        }
    }
    EXPECT_EQ(connects, 5);
    ASSERT_NE(firstRequest, Clock::time_point{}) << "no read-back";
    EXPECT_GT(firstRequest, lastConnect)
        << "nothing is asked of the keyboard before the last arrival's pause ends";
    const auto pause = std::chrono::duration_cast<std::chrono::milliseconds>(firstRequest - lastPlug);
    EXPECT_GE(pause, 8000ms);
    EXPECT_LE(pause, 9500ms);

    EXPECT_EQ(unanswered, 0);
    ASSERT_GT(answers.size(), 200u);
    // Within 50 ms throughout; a shared test machine may stall any process
    // now and then, so one answer in a hundred may be late, but never by
    // the seconds a sleeping loop would take.
    const auto slowest = *std::max_element(answers.begin(), answers.end());
    const auto late = std::count_if(answers.begin(), answers.end(), [](auto a) { return a >= 50ms; });
    std::printf(
        "read-back %lld ms after the last arrival; %zu answers, %td over 50 ms, slowest %lld us\n",
        static_cast<long long>(pause.count()), answers.size(), late,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(slowest).count()));
    EXPECT_LE(late, static_cast<std::ptrdiff_t>(answers.size() / 100));
    EXPECT_LT(slowest, 500ms);
}

} // namespace
} // namespace orvyn::test
