#include "kbsim/HidrawNode.h"

#include <cerrno>
#include <cstring>
#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include "devbridge/devbridge.h"
#include "protocol/ReportTable.h"

namespace orvyn {

std::vector<uint8_t> reportDescriptor(HidrawInterface kind) {
    if (kind == HidrawInterface::BootKeyboard) {
        // The boot protocol keyboard of the HID specification's appendix.
        return {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15,
                0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08,
                0x81, 0x01, 0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91,
                0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06, 0x75, 0x08, 0x15, 0x00,
                0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};
    }
    // Vendor page 0xFF00: the event input report, then one byte-array
    // feature report per report of the protocol.
    std::vector<uint8_t> d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
                              0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08};
    auto field = [&d](uint8_t id, std::size_t length, uint8_t mainItem) {
        const uint8_t items[] = {0x85,     id,  0x09, 0x01, 0x95, static_cast<uint8_t>(length - 1),
                                 mainItem, 0x02};
        d.insert(d.end(), std::begin(items), std::end(items));
    };
    field(DEVBRIDGE_EVENT_REPORT_ID, 1 + 4, 0x81);
    for (const ReportSpec &r : report_table::kReports)
        field(r.id, r.length, 0xB1);
    d.push_back(0xC0);
    return d;
}

HidrawNode::HidrawNode(HidrawInterface kind, KeyboardModel *model, uint16_t vendorId, uint16_t productId)
    : kind_(kind), model_(model), vendorId_(vendorId), productId_(productId) {}

std::size_t HidrawNode::argumentSize(unsigned long request) {
    if (_IOC_TYPE(request) != 'H')
        return 0;
    switch (_IOC_NR(request)) {
    case _IOC_NR(HIDIOCGRDESCSIZE):
    case _IOC_NR(HIDIOCGRDESC):
    case _IOC_NR(HIDIOCGRAWINFO):
    case _IOC_NR(HIDIOCSFEATURE(0)):
    case _IOC_NR(HIDIOCGFEATURE(0)):
        return _IOC_SIZE(request);
    default:
        return 0;
    }
}

IoctlAnswer HidrawNode::ioctl(unsigned long request, std::vector<uint8_t> &argument) {
    ++calls_;
    if (unplugged_)
        return {-1, ENODEV};
    if (fault_ == NodeFault::FailEveryCall || fault_ == NodeFault::NoPermission)
        return {-1, fault_ == NodeFault::NoPermission ? EACCES : EIO};
    if (argumentSize(request) == 0 || argument.size() != argumentSize(request))
        return {-1, EINVAL};
    if (request == HIDIOCGRDESCSIZE) {
        const int size = static_cast<int>(reportDescriptor(kind_).size());
        std::memcpy(argument.data(), &size, sizeof size);
        return {0, 0};
    }
    if (request == HIDIOCGRDESC) {
        hidraw_report_descriptor d{};
        const std::vector<uint8_t> bytes = reportDescriptor(kind_);
        d.size = static_cast<uint32_t>(bytes.size());
        std::memcpy(d.value, bytes.data(), bytes.size());
        std::memcpy(argument.data(), &d, sizeof d);
        return {0, 0};
    }
    if (request == HIDIOCGRAWINFO) {
        hidraw_devinfo info{};
        info.bustype = 3; // BUS_USB
        info.vendor = static_cast<int16_t>(vendorId_);
        info.product = static_cast<int16_t>(productId_);
        std::memcpy(argument.data(), &info, sizeof info);
        return {0, 0};
    }
    return feature(_IOC_NR(request) == _IOC_NR(HIDIOCSFEATURE(0)), argument);
}

IoctlAnswer HidrawNode::feature(bool set, std::vector<uint8_t> &argument) {
    // The boot keyboard has no feature reports: the device stalls.
    if (!model_ || argument.empty())
        return {-1, EPIPE};
    const long length = static_cast<long>(argument.size());
    if (set)
        return model_->setFeature(argument.data(), argument.size()) ? IoctlAnswer{length, 0}
                                                                    : IoctlAnswer{-1, EPIPE};
    const uint8_t id = argument[0];
    if (!model_->getFeature(argument.data(), argument.size()))
        return {-1, EPIPE};
    switch (fault_.load()) {
    case NodeFault::WrongReportId:
        std::memset(argument.data(), 0xA5, argument.size());
        argument[0] = static_cast<uint8_t>(id == 4 ? 5 : 4);
        argument[1] = 1; // reads as "done" to a host that took it
        return {length, 0};
    case NodeFault::ShortReply:
        return {length > 1 ? length - 1 : 0, 0};
    default:
        return {length, 0};
    }
}

} // namespace orvyn
