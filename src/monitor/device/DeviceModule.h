// The six operations of the device-access module, as Monitor sees them.
// BoundDeviceModule binds them from devbridge.so; tests put a keyboard model or a
// fake behind the same interface.
#pragma once

#include <cstdint>

#include "monitor/device/DevBridgeAbi.h"

namespace orvyn {

class DeviceModule {
public:
    virtual ~DeviceModule() = default;
    // From now on the module posts keyboard events (eventMessage) and
    // arrival/removal (deviceMessage) through `sink`.
    virtual bool openDevMonitor(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage) = 0;
    // True when the keyboard is present and its feature reports can be used.
    virtual bool openFeatureDevice() = 0;
    virtual void closeFeatureDevice() = 0;
    // The module stops posting messages.
    virtual void closeDevMonitor() = 0;
    // `report[0]` is the report id; true when the report was sent.
    virtual bool setFeature(uint8_t *report, uint32_t length) = 0;
    // `report[0]` is the report id; on success the buffer holds the
    // keyboard's reply of that length, its byte 0 again the id.
    virtual bool getFeature(uint8_t *report, uint32_t length) = 0;
};

} // namespace orvyn
