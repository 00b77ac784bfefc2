// The hid backend: the keyboard's vendor interface through a HID transport.
// The transport (HidApi), the device handles (HidDevice) and the source of
// arrival/removal hints (HotplugWatch) are interfaces, so the logic runs in
// tests with fakes; HidApiTransport.h has the real hidapi/udev ones.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "devbridge/Backend.h"
#include "devbridge/HidMatching.h"

namespace orvyn::devbridge {

// One open device. Calls on one handle come from one thread at a time.
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Byte counts as hidapi returns them; -1 = error.
    virtual int sendFeature(const uint8_t *report, std::size_t length) = 0;
    virtual int getFeature(uint8_t *report, std::size_t length) = 0;
    // 0 when nothing arrived within the timeout.
    virtual int readInput(uint8_t *report, std::size_t length, int timeoutMs) = 0;
};

// An open device, or why there is none.
struct HidOpenResult {
    std::unique_ptr<HidDevice> device;
    int error = 0; // errno of a failed open (EACCES: no permission)
};

class HidApi {
public:
    virtual ~HidApi() = default;
    virtual std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) = 0;
    virtual HidOpenResult open(const std::string &path) = 0;
};

class HotplugWatch {
public:
    virtual ~HotplugWatch() = default;
    // Waits up to `timeoutMs` (0 = just look); true when the device list
    // may have changed and should be looked at again.
    virtual bool waitForChange(int timeoutMs) = 0;
    // The nodes whose removal was announced since the last call (a quick
    // replug can put a node back at the same path before a look).
    virtual std::vector<std::string> takeRemovedNodes() { return {}; }
};

class HidBackend final : public Backend {
public:
    using WatchFactory = std::function<std::unique_ptr<HotplugWatch>()>;
    using IdsSource = std::function<DeviceIds()>;

    HidBackend(MessageSink &sink, HidApi &api, WatchFactory makeWatch, IdsSource ids);
    ~HidBackend() override;

    void startMonitor() override;
    void stopMonitor() override;
    bool openFeature() override;
    void closeFeature() override;
    bool setFeature(const uint8_t *report, std::size_t length) override;
    bool getFeature(uint8_t *report, std::size_t length) override;

    // How long the watcher blocks in one read or wait; bounds stop latency.
    static constexpr int kSliceMs = 50;
    // After a failed input read or open, the event handle is retried no sooner.
    static constexpr int kReopenDelayMs = 1000;
    // The device list lags the hints: a uevent or a read error comes before
    // the kernel has taken the node out of sysfs, and a device's interfaces
    // arrive one by one. After a hint the list is looked at each slice for
    // this long, and a keyboard counts as arrived only once its pick has
    // stayed the same for this long.
    static constexpr int kSettleMs = 300;

private:
    std::optional<HidDeviceInfo> findKeyboard();
    void run(std::optional<std::string> present);
    HidOpenResult openDevice(const std::string &path);

    MessageSink &sink_;
    HidApi &api_;
    WatchFactory makeWatch_;
    IdsSource ids_;

    std::mutex featureMutex_; // feature calls in order; no close while one runs
    std::unique_ptr<HidDevice> feature_;

    std::mutex traceMutex_;
    std::string lastListing_; // the last list traced

    std::mutex monitorMutex_;
    std::thread monitor_;
    std::atomic<bool> stop_{false};
    // An unusable keyboard is reported once until it leaves or comes again.
    std::atomic<bool> unusableReported_{false};
};

} // namespace orvyn::devbridge
