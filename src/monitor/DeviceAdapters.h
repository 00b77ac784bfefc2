// The device library and the device worker as the main window uses them.
#pragma once

#include "monitor/HostInterfaces.h"
#include "monitor/device/DeviceLibrary.h"
#include "monitor/device/DeviceWorker.h"

namespace orvyn {

// The bound device library as the main window uses it.
class LibraryKeyboard final : public KeyboardLink {
public:
    LibraryKeyboard(DeviceLibrary &library, DevBridgeSink &sink) : library_(library), sink_(sink) {}
    bool openMonitor() override;
    bool openFeatureDevice() override { return library_.openFeatureDevice(); }
    bool closeFeatureDevice() override;
    bool closeMonitor() override;
    bool sendClosingReport() override;

private:
    DeviceLibrary &library_;
    DevBridgeSink &sink_;
};

// The device worker as the main window uses it.
class WorkerAdapter final : public WorkerControl {
public:
    void attach(DeviceWorker *worker) { worker_ = worker; }
    void setKeyboardState(KeyboardState state) override;
    bool post(DeviceRequest request, int64_t argument) override;
    void cancelIfBusy() override;
    void stop() override;
    bool abandoned() const { return abandoned_; }

private:
    DeviceWorker *worker_ = nullptr;
    bool abandoned_ = false;
};

} // namespace orvyn
