#include "monitor/DeviceAdapters.h"

#include "protocol/FeatureReports.h"
#include "shared/Messages.h"

namespace orvyn {

bool ModuleKeyboard::openMonitor() {
    return library_.openDevMonitor(&sink_, WM_DEVICE_EVENT, WM_DEVICE_CHANGE);
}

bool ModuleKeyboard::closeFeatureDevice() {
    library_.closeFeatureDevice();
    return true;
}

bool ModuleKeyboard::closeMonitor() {
    library_.closeDevMonitor();
    return true;
}

bool ModuleKeyboard::sendClosingReport() {
    Report report = encodeClosing();
    return library_.setFeature(report.data(), report.length);
}

} // namespace orvyn
