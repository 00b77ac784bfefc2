// The binding of devbridge.so: loaded from the program folder and bound by
// name. Without the module, or with any of the six names missing, nothing is
// bound and every operation answers "no keyboard" without calling anything.
#pragma once

#include <string>

#include "monitor/device/DeviceModule.h"
#include "platform/Module.h"

namespace orvyn {

class BoundDeviceModule final : public DeviceModule {
public:
    BoundDeviceModule() = default;
    ~BoundDeviceModule() override;
    BoundDeviceModule(const BoundDeviceModule &) = delete;
    BoundDeviceModule &operator=(const BoundDeviceModule &) = delete;

    // Loads `<programFolder>devbridge.so` (the folder with its trailing "/").
    bool load(const std::string &programFolder);
    // Loads the module at an explicit path.
    bool loadModule(const std::string &path);
    // Unbinds and frees the module. Never call this while another thread may
    // still be inside one of its functions (see DeviceWorker::stop).
    void unload();
    // Forgets the module without freeing it: its code stays mapped until the
    // process ends. For a shutdown whose worker thread could not be stopped.
    void abandon();

    bool isBound() const { return setFeature_ != nullptr; }
    // Why the module was not bound (missing file or name); empty when bound.
    const std::string &error() const { return error_; }

    bool openDevMonitor(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage) override;
    bool openFeatureDevice() override;
    void closeFeatureDevice() override;
    void closeDevMonitor() override;
    bool setFeature(uint8_t *report, uint32_t length) override;
    bool getFeature(uint8_t *report, uint32_t length) override;

private:
    void clearBindings();

    LoadedModule module_;
    std::string error_;
    devbridge_abi::OpenDevMonitorFn openDevMonitor_ = nullptr;
    devbridge_abi::OpenFeatureDeviceFn openFeatureDevice_ = nullptr;
    devbridge_abi::CloseFeatureDeviceFn closeFeatureDevice_ = nullptr;
    devbridge_abi::CloseDevMonitorFn closeDevMonitor_ = nullptr;
    devbridge_abi::SetFeatureFn setFeature_ = nullptr;
    devbridge_abi::GetFeatureFn getFeature_ = nullptr;
};

} // namespace orvyn
