// The collaborators of Monitor's logic: everything that touches the device
// library, the worker thread, the desktop or the event loop sits behind one
// of these small interfaces so that the logic runs headless with fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "monitor/device/KeyboardState.h"
#include "monitor/device/WorkerControl.h"
#include "shared/ConfigBlock.h"
#include "shared/Messages.h"

namespace orvyn {

// Monitor's view of the keyboard from the main thread: the device module's
// operations it calls there, and the closing report.
class KeyboardControl {
public:
    virtual ~KeyboardControl() = default;
    // Open_DevMonitor with the main window's sink and messages 1325/1326.
    virtual bool openMonitor() = 0;
    virtual bool openFeatureDevice() = 0;
    virtual bool closeFeatureDevice() = 0;
    virtual bool closeMonitor() = 0;
    // Report 16, sent from the main thread at shutdown.
    virtual bool sendClosingReport() = 0;
};

// What came of an attempt to start or open something.
struct LaunchOutcome {
    LaunchOutcome() = default;
    // `problem` in English for traces; `notice` what the user reads, in
    // their language (`problem` when not given).
    LaunchOutcome(bool hasStarted, std::string what, std::string shown = {})
        : started(hasStarted), problem(std::move(what)), notice(std::move(shown)) {
        if (notice.empty())
            notice = problem;
    }
    bool started = false;
    std::string problem; // what went wrong; empty when started
    std::string notice;
};

// Starting programs and opening files the way the desktop does.
class Shell {
public:
    virtual ~Shell() = default;
    // The "open" verb: a program starts detached without a shell, a
    // .desktop file launches its application, an existing file or a URL
    // goes to the desktop's opener; anything else is refused with a reason.
    virtual LaunchOutcome open(const std::string &target) = 0;
    // One of the suite's own programs at `path`, started with `arguments`.
    virtual LaunchOutcome startHelper(const std::string &path, const std::vector<std::string> &arguments) = 0;
    // True when `path` names a program that can be started.
    virtual bool isProgram(const std::string &path) = 0;
};

// Desktop notices of Monitor's own (what went wrong, what to do about it).
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const std::string &summary, const std::string &body) = 0;
};

// The display server's clock, for the startup ids and raise requests that
// let a program Monitor starts or raises take the focus.
class UserTimeSource {
public:
    virtual ~UserTimeSource() = default;
    // The server's current time; nullopt without an X server.
    virtual std::optional<uint32_t> serverTime() = 0;
};

// The notification-area icon.
class TrayControl {
public:
    virtual ~TrayControl() = default;
    virtual void add() = 0;
    virtual void remove() = 0;
};

// Timers and self-posting of the hidden main window.
class MainLoop {
public:
    virtual ~MainLoop() = default;
    virtual void startWatchTimer() = 0; // timer 500, every 2000 ms
    virtual void stopWatchTimer() = 0;
    virtual void startReadBackTimer() = 0; // timer 502, once after 200 ms
    virtual void stopReadBackTimer() = 0;
    // The pause the keyboard needs after it arrives: once after 8000 ms;
    // starting it while it runs starts it again.
    virtual void startArrivalTimer() = 0;
    virtual void stopArrivalTimer() = 0;
    // A message posted to the main window itself (handled later, in order).
    virtual void postToSelf(uint32_t message, int64_t wParam, int64_t lParam) = 0;
};

// Where debug traces go (stderr with ORVYN_TRACE=1 in the program).
using TraceFunction = std::function<void(std::string_view)>;

} // namespace orvyn
