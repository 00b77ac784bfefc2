#include "monitor/device/BoundDeviceModule.h"

#include <vector>

namespace orvyn {

BoundDeviceModule::~BoundDeviceModule() {
    unload();
}

bool BoundDeviceModule::load(const std::string &programFolder) {
    return loadModule(programFolder + devbridge_abi::kModuleFileName);
}

bool BoundDeviceModule::loadModule(const std::string &path) {
    unload();
    if (!module_.open(path)) {
        error_ = module_.error();
        return false;
    }
    using namespace devbridge_abi;
    auto openDevMonitor = module_.function<OpenDevMonitorFn>(kOpenDevMonitor);
    auto openFeatureDevice = module_.function<OpenFeatureDeviceFn>(kOpenFeatureDevice);
    auto closeFeatureDevice = module_.function<CloseFeatureDeviceFn>(kCloseFeatureDevice);
    auto closeDevMonitor = module_.function<CloseDevMonitorFn>(kCloseDevMonitor);
    auto setFeature = module_.function<SetFeatureFn>(kSetFeature);
    auto getFeature = module_.function<GetFeatureFn>(kGetFeature);
    const char *missing = !openDevMonitor       ? kOpenDevMonitor
                          : !openFeatureDevice  ? kOpenFeatureDevice
                          : !closeFeatureDevice ? kCloseFeatureDevice
                          : !closeDevMonitor    ? kCloseDevMonitor
                          : !setFeature         ? kSetFeature
                          : !getFeature         ? kGetFeature
                                                : nullptr;
    if (missing) {
        // A partial module is no module: nothing of it is ever called.
        error_ = path + ": missing " + missing;
        module_.close();
        return false;
    }
    openDevMonitor_ = openDevMonitor;
    openFeatureDevice_ = openFeatureDevice;
    closeFeatureDevice_ = closeFeatureDevice;
    closeDevMonitor_ = closeDevMonitor;
    setFeature_ = setFeature;
    getFeature_ = getFeature;
    error_.clear();
    return true;
}

void BoundDeviceModule::clearBindings() {
    openDevMonitor_ = nullptr;
    openFeatureDevice_ = nullptr;
    closeFeatureDevice_ = nullptr;
    closeDevMonitor_ = nullptr;
    setFeature_ = nullptr;
    getFeature_ = nullptr;
}

void BoundDeviceModule::unload() {
    clearBindings();
    module_.close();
}

void BoundDeviceModule::abandon() {
    clearBindings();
    // Kept reachable from a global that is never destroyed, so the module
    // stays mapped even while static destructors run at exit.
    static auto *kept = new std::vector<LoadedModule>;
    kept->push_back(std::move(module_));
}

bool BoundDeviceModule::openDevMonitor(DevBridgeSink *sink, uint32_t eventMessage, uint32_t deviceMessage) {
    return openDevMonitor_ && openDevMonitor_(sink, eventMessage, deviceMessage) != 0;
}

bool BoundDeviceModule::openFeatureDevice() {
    return openFeatureDevice_ && openFeatureDevice_() != 0;
}

void BoundDeviceModule::closeFeatureDevice() {
    if (closeFeatureDevice_)
        closeFeatureDevice_();
}

void BoundDeviceModule::closeDevMonitor() {
    if (closeDevMonitor_)
        closeDevMonitor_();
}

bool BoundDeviceModule::setFeature(uint8_t *report, uint32_t length) {
    return setFeature_ && report && setFeature_(report, length) != 0;
}

bool BoundDeviceModule::getFeature(uint8_t *report, uint32_t length) {
    return getFeature_ && report && getFeature_(report, length) != 0;
}

} // namespace orvyn
