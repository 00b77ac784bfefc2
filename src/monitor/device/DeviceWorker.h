// The device worker: one thread that serves Monitor's keyboard requests
// (thread message 1649) one at a time while the keyboard is connected —
// apply the changed parts, read everything back, write the current profile,
// read back a macro recorded on the keyboard.
//
// Ownership and sharing: Monitor owns every collaborator (the device module,
// its LockedConfig and the events it reports outcomes to) and keeps them
// alive until stop() has returned Ended or NotRunning. The worker touches
// Monitor's record only through LockedConfig, one access at a time; an apply
// works on a snapshot taken when it starts, a read-back decodes each reply
// into the live record as it arrives. Outcomes carry snapshots, so the
// record's lock is never held while the events run.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "monitor/device/DeviceModule.h"
#include "monitor/device/DeviceWorkerEvents.h"
#include "monitor/device/KeyboardState.h"
#include "monitor/device/LockedConfig.h"
#include "platform/Clock.h"
#include "platform/ThreadQueue.h"
#include "shared/Messages.h"
#include "shared/SettingsStore.h"

namespace orvyn {

// Requests waiting for the worker beyond the one it serves; a keyboard or a
// peer that floods Monitor cannot grow the queue without end.
inline constexpr std::size_t kMaxQueuedRequests = 32;

struct DeviceWorkerServices {
    DeviceModule &module;
    Clock &clock;
    LockedConfig &config;
    // Told of every outcome; it saves, publishes and answers Option.
    DeviceWorkerEvents &events;
    // The access code sent with report 17 and kept in config.ini.
    std::function<AccessCode()> newAccessCode = makeAccessCodeNow;
};

class DeviceWorker {
public:
    explicit DeviceWorker(const DeviceWorkerServices &services);
    // Stops the thread (see stop()).
    ~DeviceWorker();
    DeviceWorker(const DeviceWorker &) = delete;
    DeviceWorker &operator=(const DeviceWorker &) = delete;

    // Starts the worker thread; false when it is already running or was
    // stopped.
    bool start();

    // Queues request 1649 / `request` with its argument; false when the
    // thread is not running or kMaxQueuedRequests requests already wait
    // (the caller then answers for it, as for a keyboard that is absent).
    bool post(DeviceRequest request, int64_t argument = 0);

    // The record an apply about to be queued was taken from. Call it before
    // the record becomes the live one: should a read-back decode the
    // keyboard's old values over it before the apply runs, the apply puts
    // it back first (and reports restored()), so what Option applied is
    // what the keyboard and the files end up with.
    void keepTakenRecord(const ConfigBlock &taken);
    bool postMessage(const ThreadMessage &message);

    // The keyboard state the worker serves by; kept here so that both
    // threads read one value.
    void setKeyboardState(KeyboardState state);
    KeyboardState keyboardState() const;

    // Ends a running request at its next 100 ms step (removal, shutdown).
    void cancelIfBusy();
    bool isBusy() const;

    // Waits (real time) until every queued message has been served or
    // dropped; false on time-out.
    bool waitUntilIdle(std::chrono::milliseconds timeout);

    enum class StopResult {
        Ended,      // the thread has ended
        NotRunning, // it was never started
        // The thread did not end within the grace: it is inside a call into
        // the device module that does not return. It is detached; from now
        // on it makes no further module call and touches no collaborator
        // except the clock. The caller must keep the module mapped
        // (BoundDeviceModule::abandon) and the clock alive until the process
        // ends; a std::thread cannot be killed.
        Abandoned,
    };
    // Cancels a running request, drops queued ones, ends the thread and
    // waits up to `grace` (real time) for it.
    StopResult stop(std::chrono::milliseconds grace = std::chrono::milliseconds(1000));

    // Serves one message on the calling thread exactly as the worker thread
    // would (tests, or a caller without the thread).
    void serve(const ThreadMessage &message);

    struct Core;

private:
    std::shared_ptr<Core> core_;
    bool started_ = false;
    bool stopped_ = false;
};

} // namespace orvyn
