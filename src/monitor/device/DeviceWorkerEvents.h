// What the device worker reports to its owner. The worker calls these on its
// own thread, one at a time and never once it has been abandoned (see
// DeviceWorker::stop); an implementation must not wait for the owner's
// thread. The records passed are the worker's own copies: Monitor's record
// belongs to its main thread, which takes what it needs from them.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/FeatureReports.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

class DeviceWorkerEvents {
public:
    virtual ~DeviceWorkerEvents() = default;
    // An apply has been served: every hand-over in `tokens` gets `answer`
    // (the lParam of 1256, see applyAnswer). A cancelled apply reports
    // nothing.
    virtual void applied(const std::vector<int64_t> &tokens, int64_t answer) = 0;
    // A read-back arrived whole: `config` is the keyboard's configuration,
    // with what is still owed to the keyboard laid over it and the key-slot
    // change flags cleared.
    virtual void readBack(const ConfigBlock &config) = 0;
    // A macro recorded on the keyboard into profile `profile` has been read,
    // named and sent back: `config` holds that profile's key slots as the
    // keyboard now has them.
    virtual void recordedMacroRead(int profile, const ConfigBlock &config) = 0;
    // Report 17 with `code` followed the recorded macro.
    virtual void accessCodeSent(const AccessCode &code) = 0;
};

} // namespace orvyn
