#include "devbridge/HidMatching.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

#include "devbridge/devbridge.h"
#include "platform/Text.h"
#include "protocol/EventTypes.h"
#include "shared/IniFile.h"

namespace orvyn::devbridge {

DeviceIds defaultDeviceIds() {
    return {DEVBRIDGE_DEFAULT_VENDOR_ID, DEVBRIDGE_DEFAULT_PRODUCT_ID, DEVBRIDGE_DEFAULT_INTERFACE};
}

std::optional<long> parseIdNumber(const std::string &text, long max) {
    const std::string trimmed(trim(text, kSpaceAndTab));
    if (trimmed.empty())
        return std::nullopt;
    if (trimmed[0] == '-' || trimmed[0] == '+')
        return std::nullopt;
    const bool hex = trimmed.size() > 2 && trimmed[0] == '0' && (trimmed[1] == 'x' || trimmed[1] == 'X');
    errno = 0;
    char *stop = nullptr;
    const long value = std::strtol(trimmed.c_str(), &stop, hex ? 16 : 10);
    if (errno != 0 || stop == trimmed.c_str() || *stop != '\0' || value < 0 || value > max)
        return std::nullopt;
    return value;
}

DeviceIds readDeviceIds(const IniDocument &config) {
    DeviceIds ids = defaultDeviceIds();
    if (const auto v = config.value("Device", "VendorId"))
        if (const auto n = parseIdNumber(*v, 0xFFFF))
            ids.vendorId = static_cast<uint16_t>(*n);
    if (const auto v = config.value("Device", "ProductId"))
        if (const auto n = parseIdNumber(*v, 0xFFFF))
            ids.productId = static_cast<uint16_t>(*n);
    if (const auto v = config.value("Device", "Interface"))
        if (const auto n = parseIdNumber(*v, 255))
            ids.interfaceNumber = static_cast<int>(*n);
    return ids;
}

std::optional<HidDeviceInfo> pickKeyboard(const std::vector<HidDeviceInfo> &devices, const DeviceIds &ids) {
    auto isVendorPage = [](const HidDeviceInfo &d) { return d.usagePage >= kVendorUsagePageFirst; };
    std::map<std::string, HidDeviceInfo> byPath; // sorted by path
    for (const HidDeviceInfo &d : devices) {
        if (d.vendorId != ids.vendorId || d.productId != ids.productId || d.path.empty())
            continue;
        auto [it, inserted] = byPath.emplace(d.path, d);
        if (!inserted && !isVendorPage(it->second) && isVendorPage(d))
            it->second = d;
    }
    if (byPath.empty())
        return std::nullopt;
    const HidDeviceInfo *best = nullptr;
    auto rank = [&](const HidDeviceInfo &d) {
        return isVendorPage(d) ? 2 : (d.interfaceNumber == ids.interfaceNumber ? 1 : 0);
    };
    for (const auto &[path, d] : byPath)
        if (!best || rank(d) > rank(*best))
            best = &d;
    return *best;
}

std::optional<KeyboardEvent> parseInputReport(const uint8_t *report, std::size_t length) {
    // The report id, then the event.
    if (!report || length < 1 + sizeof(EventLayout) || report[0] != DEVBRIDGE_EVENT_REPORT_ID)
        return std::nullopt;
    EventLayout event;
    std::memcpy(&event, report + 1, sizeof event);
    const uint16_t type = eventTypeOf(event);
    if (!isKeyboardEventType(type))
        return std::nullopt;
    return KeyboardEvent{type, eventDataOf(event)};
}

} // namespace orvyn::devbridge
