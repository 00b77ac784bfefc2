// The C interface of devbridge.so as Monitor binds it: the sink through
// which the module posts messages (from devbridge.h) and the six names looked
// up at run time with their function types.
#pragma once

#include <cstdint>

#include "devbridge/devbridge.h"

namespace orvyn::devbridge_abi {

using OpenDevMonitorFn = Open_DevMonitor_fn;
using OpenFeatureDeviceFn = Open_FeatureDevice_fn;
using CloseFeatureDeviceFn = Close_FeatureDevice_fn;
using CloseDevMonitorFn = Close_DevMonitor_fn;
using SetFeatureFn = SetFeature_fn;
using GetFeatureFn = GetFeature_fn;

inline constexpr const char *kOpenDevMonitor = "Open_DevMonitor";
inline constexpr const char *kOpenFeatureDevice = "Open_FeatureDevice";
inline constexpr const char *kCloseFeatureDevice = "Close_FeatureDevice";
inline constexpr const char *kCloseDevMonitor = "Close_DevMonitor";
inline constexpr const char *kSetFeature = "SetFeature";
inline constexpr const char *kGetFeature = "GetFeature";

inline constexpr const char *kModuleFileName = "devbridge.so";

} // namespace orvyn::devbridge_abi
