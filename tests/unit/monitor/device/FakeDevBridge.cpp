// A stand-in devbridge.so for the binding test: counts every call, answers
// reads with a known pattern. Built once whole and once without GetFeature.
#include <cstdint>
#include <cstring>

#include "monitor/device/DevBridgeAbi.h"

namespace {
int calls = 0;
uint32_t lastLength = 0;
} // namespace

extern "C" {

__attribute__((visibility("default"))) int fake_call_count() {
    return calls;
}
__attribute__((visibility("default"))) uint32_t fake_last_length() {
    return lastLength;
}

__attribute__((visibility("default"))) int Open_DevMonitor(DevBridgeSink *window, uint32_t eventMessage,
                                                           uint32_t deviceMessage) {
    ++calls;
    if (window && window->post)
        window->post(window, eventMessage, 0x7000, deviceMessage);
    return 1;
}
__attribute__((visibility("default"))) int Open_FeatureDevice(void) {
    ++calls;
    return 7;
}
__attribute__((visibility("default"))) int Close_FeatureDevice(void) {
    ++calls;
    return 1;
}
__attribute__((visibility("default"))) int Close_DevMonitor(void) {
    ++calls;
    return 1;
}
// A report whose byte 1 is 0xEE is refused.
__attribute__((visibility("default"))) int SetFeature(uint8_t *report, uint32_t length) {
    ++calls;
    lastLength = length;
    return length >= 2 && report[1] == 0xEE ? 0 : 1;
}
#ifndef FAKE_WITHOUT_GET_FEATURE
__attribute__((visibility("default"))) int GetFeature(uint8_t *report, uint32_t length) {
    ++calls;
    lastLength = length;
    for (uint32_t i = 1; i < length; ++i)
        report[i] = static_cast<uint8_t>(i);
    return 1;
}
#endif
}
