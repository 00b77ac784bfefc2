#include "devbridge/HidApiTransport.h"

#include <cerrno>
#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <libudev.h>
#include <linux/hidraw.h>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/Trace.h"

namespace orvyn::devbridge {

namespace {

// hidapi keeps global state (initialisation, the last global error) that
// enumerate and open touch: one caller at a time.
std::mutex &hidGlobalMutex() {
    static std::mutex mutex;
    return mutex;
}

class HidapiDevice final : public HidDevice {
public:
    HidapiDevice(hid_device *handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~HidapiDevice() override {
        std::lock_guard lock(hidGlobalMutex());
        hid_close(handle_);
        traceLine("devbridge: closed " + path_);
    }
    int sendFeature(const uint8_t *report, std::size_t length) override {
        return hid_send_feature_report(handle_, report, length);
    }
    int getFeature(uint8_t *report, std::size_t length) override {
        return hid_get_feature_report(handle_, report, length);
    }
    int readInput(uint8_t *report, std::size_t length, int timeoutMs) override {
        return hid_read_timeout(handle_, report, length, timeoutMs);
    }

private:
    hid_device *handle_;
    std::string path_;
};

class UdevWatch final : public HotplugWatch {
public:
    UdevWatch() {
        udev_ = udev_new();
        if (!udev_)
            return;
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
        if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(monitor_) < 0) {
            traceLine("devbridge: the udev monitor cannot start");
            if (monitor_)
                udev_monitor_unref(monitor_);
            monitor_ = nullptr;
        }
    }
    ~UdevWatch() override {
        if (monitor_)
            udev_monitor_unref(monitor_);
        if (udev_)
            udev_unref(udev_);
    }
    bool ok() const { return monitor_ != nullptr; }

    bool waitForChange(int timeoutMs) override {
        pollfd fd{udev_monitor_get_fd(monitor_), POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0 || !(fd.revents & POLLIN))
            return false;
        // Take every queued notice; one look at the list covers them all.
        while (udev_device *device = udev_monitor_receive_device(monitor_)) {
            const char *action = udev_device_get_action(device);
            const char *node = udev_device_get_devnode(device);
            traceLine(std::string("devbridge: udev ") + (action ? action : "?") + " " +
                      (node ? node : udev_device_get_syspath(device)));
            if (action && node && std::string(action) == "remove")
                removed_.emplace_back(node);
            udev_device_unref(device);
        }
        return true;
    }
    std::vector<std::string> takeRemovedNodes() override { return std::exchange(removed_, {}); }

private:
    udev *udev_ = nullptr;
    udev_monitor *monitor_ = nullptr;
    std::vector<std::string> removed_;
};

// hidapi 0.13 crashes (frees an invalid pointer on its error path) when a
// node opens but refuses HIDIOCGRDESCSIZE: ask the node that first. 0 or
// the errno of the failed step.
int probeNode(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int size = 0;
    const int error = ::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 ? errno : 0;
    ::close(fd);
    return error;
}

} // namespace

HidapiTransport::~HidapiTransport() {
    // hidapi keeps its last error text until hid_exit; the module may be
    // unloaded and loaded again.
    std::lock_guard lock(hidGlobalMutex());
    if (initialised_)
        hid_exit();
}

bool HidapiTransport::ensureInitLocked() {
    if (!initialised_)
        initialised_ = hid_init() == 0;
    return initialised_;
}

std::vector<HidDeviceInfo> HidapiTransport::enumerate(uint16_t vendorId, uint16_t productId) {
    std::lock_guard lock(hidGlobalMutex());
    std::vector<HidDeviceInfo> result;
    if (!ensureInitLocked())
        return result;
    hid_device_info *list = hid_enumerate(vendorId, productId);
    for (hid_device_info *d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.path = d->path ? d->path : "";
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.interfaceNumber = d->interface_number;
        result.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return result;
}

HidOpenResult HidapiTransport::open(const std::string &path) {
    std::lock_guard lock(hidGlobalMutex());
    HidOpenResult result;
    if (!ensureInitLocked()) {
        result.error = EIO;
        return result;
    }
    if (const int refused = probeNode(path); refused != 0) {
        result.error = refused;
        return result;
    }
    hid_device *handle = hid_open_path(path.c_str());
    if (!handle) {
        // hidapi keeps only a text; ask the node itself why.
        result.error = ::access(path.c_str(), R_OK | W_OK) != 0 ? errno : EIO;
        return result;
    }
    result.device = std::make_unique<HidapiDevice>(handle, path);
    return result;
}

PollingWatch::PollingWatch(std::chrono::milliseconds period)
    : period_(period), last_(std::chrono::steady_clock::now()) {}

bool PollingWatch::waitForChange(int timeoutMs) {
    if (timeoutMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < period_)
        return false;
    last_ = now;
    return true;
}

std::unique_ptr<HotplugWatch> makeHotplugWatch() {
    if (::access("/run/udev/control", F_OK) == 0) {
        auto watch = std::make_unique<UdevWatch>();
        if (watch->ok()) {
            traceLine("devbridge: watching udev for hidraw devices");
            return watch;
        }
    }
    traceLine("devbridge: udevd is not running; looking for the keyboard once a second");
    return std::make_unique<PollingWatch>();
}

} // namespace orvyn::devbridge
