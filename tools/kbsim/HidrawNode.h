// The keyboard's interfaces as the kernel's hidraw driver shows them to a
// host: the report descriptors, and the answers to the ioctls made on a
// node. Feature reports of the vendor interface are answered by the same
// KeyboardModel, byte for byte, as the emulator socket answers them. No
// sockets and no mocking library here: request and argument bytes in,
// result out.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "kbsim/KeyboardModel.h"

namespace orvyn {

enum class HidrawInterface { Vendor, BootKeyboard };

std::vector<uint8_t> reportDescriptor(HidrawInterface kind);

// What a faulty node does with every feature read, or with every call.
enum class NodeFault { None, WrongReportId, ShortReply, FailEveryCall, NoPermission };

struct IoctlAnswer {
    long result; // -1: failed with `error`
    int error;
};

class HidrawNode {
public:
    // `model` answers the vendor interface's feature reports; the boot
    // keyboard interface has none.
    HidrawNode(HidrawInterface kind, KeyboardModel *model, uint16_t vendorId, uint16_t productId);

    // How many bytes the argument of `request` points at (0: not a pointer
    // this node knows).
    static std::size_t argumentSize(unsigned long request);
    // `argument` holds the bytes the caller passed (argumentSize long); the
    // answer's bytes replace them.
    IoctlAnswer ioctl(unsigned long request, std::vector<uint8_t> &argument);

    void setFault(NodeFault fault) { fault_ = fault; }
    // After an unplug every call fails as the kernel's do on a gone device.
    void unplug() { unplugged_ = true; }
    bool unplugged() const { return unplugged_; }
    HidrawInterface kind() const { return kind_; }
    // Every ioctl made on the node (hidapi makes one right after each open).
    int calls() const { return calls_; }

private:
    IoctlAnswer feature(bool set, std::vector<uint8_t> &argument);

    HidrawInterface kind_;
    KeyboardModel *model_;
    uint16_t vendorId_, productId_;
    std::atomic<NodeFault> fault_{NodeFault::None};
    std::atomic<bool> unplugged_{false};
    std::atomic<int> calls_{0};
};

} // namespace orvyn
