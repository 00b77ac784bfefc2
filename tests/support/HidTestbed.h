// The keyboard as the kernel shows it, in a umockdev testbed: a USB device
// with one HID interface per entry (usb_interface, hid device with its
// uevent and report descriptor, hidraw node), the nodes' ioctls answered by
// kbsim's HidrawNode, arrival and removal as uevents. The test process must
// run under libumockdev-preload; programs it starts inherit the testbed.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "kbsim/HidrawNode.h"

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace orvyn::test {

class HidTestbed {
public:
    struct Interface {
        HidrawInterface kind;
        KeyboardModel *model = nullptr; // answers the vendor interface
    };

    HidTestbed();
    ~HidTestbed();
    HidTestbed(const HidTestbed &) = delete;
    HidTestbed &operator=(const HidTestbed &) = delete;

    // Plugs a device whose interfaces appear in the order given, `gap`
    // apart; returns its handle.
    int plug(uint16_t vendorId, uint16_t productId, const std::vector<Interface> &interfaces,
             std::chrono::milliseconds gap = std::chrono::milliseconds(0));
    // As the kernel: the nodes fail every call at once, the /dev nodes go,
    // the remove uevents are sent, and the sysfs entries go a little later.
    void unplug(int device);
    HidrawNode &node(int device, std::size_t interface);

private:
    struct Node;
    struct Device;
    void addNode(Device &device, std::size_t index, const Interface &wanted);

    UMockdevTestbed *testbed_ = nullptr;
    std::string root_;
    std::map<int, std::unique_ptr<Device>> devices_;
    std::set<int> numbers_; // hidraw numbers in use
    std::vector<std::unique_ptr<HidrawNode>> retired_;
    int nextDevice_ = 1;
    int nextHid_ = 1;
};

} // namespace orvyn::test
