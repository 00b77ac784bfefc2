// The bound device module as the main window uses it.
#pragma once

#include "monitor/HostInterfaces.h"
#include "monitor/device/BoundDeviceModule.h"

namespace orvyn {

// The keyboard through the bound device module, as the main window uses it.
class ModuleKeyboard final : public KeyboardControl {
public:
    ModuleKeyboard(BoundDeviceModule &library, DevBridgeSink &sink) : library_(library), sink_(sink) {}
    bool openMonitor() override;
    bool openFeatureDevice() override { return library_.openFeatureDevice(); }
    bool closeFeatureDevice() override;
    bool closeMonitor() override;
    bool sendClosingReport() override;

private:
    BoundDeviceModule &library_;
    DevBridgeSink &sink_;
};

} // namespace orvyn
