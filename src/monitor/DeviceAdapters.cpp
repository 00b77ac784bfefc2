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

void WorkerAdapter::setKeyboardState(KeyboardState state) {
    if (worker_)
        worker_->setKeyboardState(state);
}

bool WorkerAdapter::post(DeviceRequest request, int64_t argument) {
    return worker_ && worker_->post(request, argument);
}

void WorkerAdapter::keepTakenRecord(const ConfigBlock &taken) {
    if (worker_)
        worker_->keepTakenRecord(taken);
}

void WorkerAdapter::cancelIfBusy() {
    if (worker_)
        worker_->cancelIfBusy();
}

void WorkerAdapter::stop() {
    if (worker_)
        abandoned_ = worker_->stop() == DeviceWorker::StopResult::Abandoned;
}

} // namespace orvyn
