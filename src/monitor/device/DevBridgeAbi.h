// The C interface of devbridge.so: the sink through which the module posts
// messages and the six exported functions, bound by name at run time.
#pragma once

#include <cstdint>

extern "C" {
typedef struct DevBridgeSink DevBridgeSink;
struct DevBridgeSink {
    void (*post)(DevBridgeSink *self, uint32_t message, uint32_t wParam, uint32_t lParam);
};
}

namespace orvyn::devbridge_abi {

using OpenDevMonitorFn = int (*)(DevBridgeSink *window, uint32_t eventMessage, uint32_t deviceMessage);
using OpenFeatureDeviceFn = int (*)(void);
using CloseFeatureDeviceFn = int (*)(void);
using CloseDevMonitorFn = int (*)(void);
using SetFeatureFn = int (*)(uint8_t *report, uint32_t length);
using GetFeatureFn = int (*)(uint8_t *report, uint32_t length);

inline constexpr const char *kOpenDevMonitor = "Open_DevMonitor";
inline constexpr const char *kOpenFeatureDevice = "Open_FeatureDevice";
inline constexpr const char *kCloseFeatureDevice = "Close_FeatureDevice";
inline constexpr const char *kCloseDevMonitor = "Close_DevMonitor";
inline constexpr const char *kSetFeature = "SetFeature";
inline constexpr const char *kGetFeature = "GetFeature";

inline constexpr const char *kModuleFileName = "devbridge.so";

} // namespace orvyn::devbridge_abi
