// The device worker: one thread that serves Monitor's keyboard requests
// (thread message 1649) one at a time while the keyboard is connected —
// apply the changed parts, read everything back, write the current profile,
// read back a macro recorded on the keyboard.
//
// Ownership and sharing: Monitor owns every collaborator (the device module,
// what is owed to the keyboard and the events it reports outcomes to) and
// keeps them alive until stop() has returned Ended or NotRunning. The worker
// never touches Monitor's record: an apply takes what is owed with a copy of
// the record to encode it from, a read-back decodes into a record of its own
// and hands it over whole, through the events.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "monitor/device/DeviceModule.h"
#include "monitor/device/DeviceWorkerEvents.h"
#include "monitor/device/KeyboardState.h"
#include "monitor/device/OwedChanges.h"
#include "monitor/device/WorkerControl.h"
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
    // What applies have handed over and the keyboard has not yet taken,
    // and the latest copy of Monitor's record.
    OwedChanges &owed;
    // Told of every outcome; it saves, publishes and answers Option.
    DeviceWorkerEvents &events;
    // The access code sent with report 17 and kept in config.ini.
    std::function<AccessCode()> newAccessCode = makeAccessCodeNow;
};

class DeviceWorker final : public WorkerControl {
public:
    explicit DeviceWorker(const DeviceWorkerServices &services);
    // Stops the thread (see stop()).
    ~DeviceWorker() override;
    DeviceWorker(const DeviceWorker &) = delete;
    DeviceWorker &operator=(const DeviceWorker &) = delete;

    // Starts the worker thread; false when it is already running or was
    // stopped.
    bool start();

    // Queues request 1649 / `request` with its argument; false when the
    // thread is not running or kMaxQueuedRequests requests already wait
    // (the caller then answers for it, as for a keyboard that is absent).
    bool post(DeviceRequest request, int64_t argument) override;
    bool post(DeviceRequest request) { return post(request, 0); }
    bool postMessage(const ThreadMessage &message);

    // The keyboard state the worker serves by; kept here so that both
    // threads read one value.
    void setKeyboardState(KeyboardState state) override;
    KeyboardState keyboardState() const;

    // Ends a running request at its next 100 ms step (removal, shutdown).
    void cancelIfBusy() override;
    bool isBusy() const;

    // Waits (real time) until every queued message has been served or
    // dropped; false on time-out.
    bool waitUntilIdle(std::chrono::milliseconds timeout);

    // Ended, NotRunning, or Abandoned: the thread did not end within the
    // grace, it is inside a call into the device module that does not
    // return. It is then detached; from now on it makes no further module
    // call and touches no collaborator except the clock. The caller must keep
    // the module mapped (BoundDeviceModule::abandon) and the clock alive
    // until the process ends; a std::thread cannot be killed.
    using StopResult = WorkerStop;
    // Cancels a running request, drops queued ones, ends the thread and
    // waits up to `grace` (real time) for it.
    StopResult stop(std::chrono::milliseconds grace);
    StopResult stop() override { return stop(std::chrono::milliseconds(1000)); }
    bool abandoned() const { return abandoned_; }

    // Serves one message on the calling thread exactly as the worker thread
    // would (tests, or a caller without the thread).
    void serve(const ThreadMessage &message);

    struct Core;

private:
    std::shared_ptr<Core> core_;
    bool started_ = false;
    bool stopped_ = false;
    bool abandoned_ = false;
};

} // namespace orvyn
