// The device worker as Monitor's main thread drives it: requests in, state
// and the end of the thread. DeviceWorker implements it; tests use fakes.
#pragma once

#include <cstdint>

#include "monitor/device/KeyboardState.h"
#include "shared/Messages.h"

namespace orvyn {

enum class WorkerStop {
    Ended,      // the thread has ended
    NotRunning, // it was never started
    // The thread did not end within the grace: it is inside a call into the
    // device module that does not return (see DeviceWorker::stop).
    Abandoned,
};

class WorkerControl {
public:
    virtual ~WorkerControl() = default;
    virtual void setKeyboardState(KeyboardState state) = 0;
    // Thread message 1649; false when it could not be queued.
    virtual bool post(DeviceRequest request, int64_t argument) = 0;
    // Ends a running request at its next 100 ms step (removal, shutdown).
    virtual void cancelIfBusy() = 0;
    // Cancels, drops what waits, ends the thread within its grace time.
    virtual WorkerStop stop() = 0;
};

} // namespace orvyn
