// Whatever arrives at Monitor's endpoint, and whatever event words the
// keyboard sends, goes through the main window's handlers without harm.
// Input: a sequence of datagrams, each prefixed by its length as two bytes,
// little-endian.
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/CMonitorWnd.h"
#include "platform/Datagram.h"

namespace {

using namespace orvyn;

struct NullPoster final : MessagePoster {
    bool exists(const std::string &) override { return true; }
    bool post(const std::string &, const PostedMessage &) override { return true; }
};
struct NullShell final : Shell {
    LaunchOutcome open(const std::string &) override { return {true, {}}; }
    LaunchOutcome startHelper(const std::string &, const std::vector<std::string> &) override {
        return {true, {}};
    }
    bool isProgram(const std::string &) override { return true; }
};
struct NullTray final : TrayControl {
    void add() override {}
    void remove() override {}
};
struct NullLoop final : MainLoop {
    void startWatchTimer() override {}
    void stopWatchTimer() override {}
    void startReadBackTimer() override {}
    void stopReadBackTimer() override {}
    void startArrivalTimer() override {}
    void stopArrivalTimer() override {}
    void postToSelf(uint32_t, int64_t, int64_t) override {}
};
struct NullWorker final : WorkerControl {
    void setKeyboardState(KeyboardState) override {}
    bool post(DeviceRequest, int64_t) override { return true; }
    void cancelIfBusy() override {}
    WorkerStop stop() override { return WorkerStop::Ended; }
};
struct NullKeyboard final : KeyboardControl {
    bool openMonitor() override { return true; }
    bool openFeatureDevice() override { return true; }
    bool closeFeatureDevice() override { return true; }
    bool closeMonitor() override { return true; }
    bool sendClosingReport() override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static NullPoster poster;
    static NullShell shell;
    static NullTray tray;
    static NullLoop loop;
    static NullWorker worker;
    static NullKeyboard keyboard;
    static VirtualClock clock;
    MonitorServices services;
    services.programFolder = "/nonexistent/";
    services.keyboard = &keyboard;
    services.worker = &worker;
    services.poster = &poster;
    services.shell = &shell;
    services.tray = &tray;
    services.loop = &loop;
    services.clock = &clock;
    services.trace = [](std::string_view) {};
    CMonitorWnd wnd(std::move(services));
    wnd.record().with([](ConfigBlock &c) { makeDefaultConfig(c, "Profile"); });
    wnd.startKeyboard(false);

    std::span<const uint8_t> rest(data, size);
    while (rest.size() >= 2) {
        const std::size_t length = std::min<std::size_t>(rest[0] | (rest[1] << 8), rest.size() - 2);
        const auto message = decodeDatagram(rest.subspan(2, length));
        if (message) {
            wnd.handle(*message);
            // Let an arrival's pause end now and then, so held requests go out.
            if (message->message == WM_DEVICE_CHANGE && (message->lParam & 1))
                wnd.onArrivalTimer();
        }
        rest = rest.subspan(2 + length);
    }
    return 0;
}
