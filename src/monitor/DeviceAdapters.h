// The bound device module and the device worker as the main window uses them.
#pragma once

#include "monitor/HostInterfaces.h"
#include "monitor/device/BoundDeviceModule.h"
#include "monitor/device/DeviceWorker.h"

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

// The device worker as the main window uses it.
class WorkerAdapter final : public WorkerControl {
public:
    void attach(DeviceWorker *worker) { worker_ = worker; }
    void setKeyboardState(KeyboardState state) override;
    bool post(DeviceRequest request, int64_t argument) override;
    void keepTakenRecord(const ConfigBlock &taken) override;
    void cancelIfBusy() override;
    void stop() override;
    bool abandoned() const { return abandoned_; }

private:
    DeviceWorker *worker_ = nullptr;
    bool abandoned_ = false;
};

} // namespace orvyn
