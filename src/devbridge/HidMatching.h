// The pure parts of the hid backend: which device is the keyboard, and what
// its input reports mean. No hidapi here, so they run in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvyn {
class IniDocument;
}

namespace orvyn::devbridge {

struct DeviceIds {
    uint16_t vendorId;
    uint16_t productId;
    int interfaceNumber; // preferred when no interface has a vendor usage page
};

// [Device] VendorId / ProductId / Interface of config.ini; each value that is
// missing or not a number in range falls back to its default.
DeviceIds readDeviceIds(const IniDocument &config);
DeviceIds defaultDeviceIds();

// A number as written in config.ini: decimal, or hex with 0x. Nullopt for
// anything else (trailing text, empty, out of 0..max).
std::optional<long> parseIdNumber(const std::string &text, long max);

// One entry of the HID device list.
struct HidDeviceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = -1;
};

inline constexpr uint16_t kVendorUsagePageFirst = 0xFF00;

// The keyboard's vendor interface among `devices`: entries of other ids are
// skipped, entries of one path count once (keeping a vendor usage page when
// any of them has it), then the vendor usage page wins, then the preferred
// interface number, then the first path in sort order.
std::optional<HidDeviceInfo> pickKeyboard(const std::vector<HidDeviceInfo> &devices, const DeviceIds &ids);

struct KeyboardEvent {
    uint16_t type;
    uint16_t data;
};

// An input report of the vendor interface (layout in devbridge.h); nullopt
// for reports that carry no event.
std::optional<KeyboardEvent> parseInputReport(const uint8_t *report, std::size_t length);

} // namespace orvyn::devbridge
