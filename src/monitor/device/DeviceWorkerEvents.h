// What the device worker reports to its owner, which keeps, publishes and
// announces the outcome. The worker calls these on its own thread, one at a
// time and never once it has been abandoned (see DeviceWorker::stop); an
// implementation must not wait for the owner's thread.
#pragma once

#include "shared/ConfigBlock.h"
#include "shared/SettingsStore.h"

namespace orvyn {

class DeviceWorkerEvents {
public:
    virtual ~DeviceWorkerEvents() = default;
    // An apply has sent every changed part (a cancelled one reports nothing).
    virtual void applied() = 0;
    // Before an apply sends anything: a read-back had replaced the record
    // the apply was taken from, and `config` is that record again.
    virtual void restored(const ConfigBlock &config) = 0;
    // A read-back arrived whole: `config` is the keyboard's configuration
    // with the key-slot change flags cleared.
    virtual void readBack(const ConfigBlock &config) = 0;
    // A macro recorded on the keyboard has been read, named and sent back:
    // `config` is the record that holds it.
    virtual void recordedMacroRead(const ConfigBlock &config) = 0;
    // Report 17 with `code` followed the recorded macro; `config` is the
    // record of recordedMacroRead.
    virtual void accessCodeSent(const AccessCode &code, const ConfigBlock &config) = 0;
};

} // namespace orvyn
