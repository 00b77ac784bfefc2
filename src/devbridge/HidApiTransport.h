// The real transport of the hid backend: hidapi (hidraw) for devices, a
// udev monitor on hidraw (or a once-a-second poll when udevd is absent) for
// arrival and removal.
#pragma once

#include <chrono>
#include <memory>

#include "devbridge/HidBackend.h"

namespace orvyn::devbridge {

// hidapi with its global calls (init, enumerate, open, close) serialised.
// Devices it opened must be closed before it is destroyed.
class HidapiTransport final : public HidApi {
public:
    HidapiTransport() = default;
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport &) = delete;
    HidapiTransport &operator=(const HidapiTransport &) = delete;
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    HidOpenResult open(const std::string &path) override;

private:
    bool ensureInitLocked();
    bool initialised_ = false;
};

// Reports a change once per period (the fallback without udevd).
class PollingWatch final : public HotplugWatch {
public:
    explicit PollingWatch(std::chrono::milliseconds period = std::chrono::milliseconds(1000));
    bool waitForChange(int timeoutMs) override;

private:
    std::chrono::milliseconds period_;
    std::chrono::steady_clock::time_point last_;
};

// The udev monitor when udevd runs (/run/udev/control exists), else polling.
std::unique_ptr<HotplugWatch> makeHotplugWatch();

} // namespace orvyn::devbridge
