// The six C exports over one backend, chosen by ORVYN_KEYBOARD.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

#include "devbridge/Backend.h"
#include "devbridge/EmulatorBackend.h"
#include "devbridge/HidApiTransport.h"
#include "devbridge/HidBackend.h"
#include "devbridge/devbridge.h"
#include "platform/Folders.h"
#include "platform/Trace.h"
#include "protocol/EmulatorSocket.h"
#include "shared/IniFile.h"

namespace orvyn::devbridge {
namespace {

struct Bridge {
    std::mutex control; // Open/Close calls one at a time
    MessageSink sink;
    HidapiTransport hidapi;
    std::unique_ptr<Backend> backend;

    ~Bridge() {
        sink.deactivate();
        backend.reset(); // joins the backend's threads
    }

    Backend &backendLocked() {
        if (!backend) {
            const char *kind = std::getenv("ORVYN_KEYBOARD");
            if (kind && std::strcmp(kind, "emulator") == 0) {
                backend = std::make_unique<EmulatorBackend>(sink, defaultEmulatorSocketPath());
            } else {
                if (kind && *kind && std::strcmp(kind, "hid") != 0)
                    traceLine(std::string("devbridge: unknown ORVYN_KEYBOARD \"") + kind + "\", using hid");
                backend = std::make_unique<HidBackend>(sink, hidapi, makeHotplugWatch, [] {
                    return readDeviceIds(IniFile(settingsFolder() + "config.ini").load());
                });
            }
        }
        return *backend;
    }

    Backend &backendForReports() {
        std::lock_guard lock(control);
        return backendLocked();
    }
};

Bridge &bridge() {
    static Bridge instance;
    return instance;
}

} // namespace
} // namespace orvyn::devbridge

using orvyn::devbridge::bridge;

extern "C" {

int Open_DevMonitor(DevBridgeSink *window, uint32_t eventMessage, uint32_t deviceMessage) {
    if (!window || !window->post)
        return 0;
    auto &b = bridge();
    std::lock_guard lock(b.control);
    b.sink.activate(window, eventMessage, deviceMessage);
    b.backendLocked().startMonitor();
    return 1;
}

int Open_FeatureDevice(void) {
    auto &b = bridge();
    std::lock_guard lock(b.control);
    return b.backendLocked().openFeature() ? 1 : 0;
}

int Close_FeatureDevice(void) {
    auto &b = bridge();
    std::lock_guard lock(b.control);
    if (b.backend)
        b.backend->closeFeature();
    return 1;
}

int Close_DevMonitor(void) {
    auto &b = bridge();
    std::lock_guard lock(b.control);
    b.sink.deactivate(); // no message after this returns
    if (b.backend)
        b.backend->stopMonitor();
    return 1;
}

int SetFeature(uint8_t *report, uint32_t length) {
    if (!report || length == 0)
        return 0;
    return bridge().backendForReports().setFeature(report, length) ? 1 : 0;
}

int GetFeature(uint8_t *report, uint32_t length) {
    if (!report || length == 0)
        return 0;
    return bridge().backendForReports().getFeature(report, length) ? 1 : 0;
}

} // extern "C"
