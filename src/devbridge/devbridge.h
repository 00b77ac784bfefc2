/* devbridge.so: the keyboard's device-access library.
 *
 * Monitor loads this module from its program folder with dlopen and binds
 * the six functions below by name. Every function may be called from any
 * thread; calls that reach the keyboard are serialised inside. Results:
 * non-zero = success.
 *
 * Backend, chosen by the environment variable ORVYN_KEYBOARD:
 *
 *   hid (default)  hidapi over hidraw. The keyboard is the HID device with
 *                  the vendor and product id of config.ini in the settings
 *                  folder:
 *                      [Device]
 *                      VendorId=0x1209    (default; hex with 0x, or decimal)
 *                      ProductId=0x0001   (default)
 *                      Interface=1        (default; see below)
 *                  The defaults are the open test ids 1209:0001; set the
 *                  keyboard's own ids there (and in the udev rule).
 *                  hidapi lists one entry per interface (and per top-level
 *                  collection); entries are merged by path and the vendor
 *                  interface is the one whose usage page is vendor-defined
 *                  (0xFF00-0xFFFF), else the one whose interface number is
 *                  [Device] Interface, else the first by path.
 *                  Arrival and removal come from a udev monitor on hidraw;
 *                  when udevd is not running (/run/udev/control absent) the
 *                  device list is polled once a second instead.
 *
 *   emulator       the keyboard emulator (kbsim) over an AF_UNIX
 *                  SOCK_SEQPACKET socket at $ORVYN_KEYBOARD_SOCKET, default
 *                  <runtime folder>/keyboard.sock. A connection is the
 *                  keyboard being present; after a lost connection the
 *                  library retries every 250 ms. A request waits at most
 *                  5 s for its reply.
 *
 * Keyboard events (hid backend): input reports on the vendor interface,
 * numbered report DEVBRIDGE_EVENT_REPORT_ID, at least 5 bytes:
 *      byte 0     report id (DEVBRIDGE_EVENT_REPORT_ID)
 *      bytes 1-2  event type, little-endian: 0x1000 profile, 0x2000 colour,
 *                 0x3000 lighting control, 0x4000 program key,
 *                 0x5000 Windows key, 0x6000 media key, 0x7000 recorded macro
 *      bytes 3-4  event data, little-endian
 *      further bytes are ignored; reports with another id, a shorter length
 *      or a type outside 0x1000-0x7000 (low 12 bits not zero) are dropped.
 *
 * Messages posted through DevBridgeSink::post:
 *      eventMessage   wParam = event type, lParam = event data
 *      deviceMessage  wParam = 1 keyboard arrived, 0 keyboard removed,
 *                     DEVBRIDGE_DEVICE_UNUSABLE (2) the keyboard is there but
 *                     cannot be opened, lParam = errno (EACCES: no permission
 *                     on its hidraw node, the udev rule is missing); said once
 *                     per arrival (and once for a keyboard present at start)
 * The keyboard's presence when the monitor starts is not announced (the
 * caller asks with Open_FeatureDevice); only later changes are.
 */
#ifndef ORVYN_DEVBRIDGE_H
#define ORVYN_DEVBRIDGE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define DEVBRIDGE_DEFAULT_VENDOR_ID 0x1209
#define DEVBRIDGE_DEFAULT_PRODUCT_ID 0x0001
#define DEVBRIDGE_DEFAULT_INTERFACE 1
#define DEVBRIDGE_EVENT_REPORT_ID 0x03
#define DEVBRIDGE_DEVICE_UNUSABLE 2

typedef struct DevBridgeSink DevBridgeSink; /* the "window handle" */
struct DevBridgeSink {
    /* May be called from any thread of the library. */
    void (*post)(DevBridgeSink *self, uint32_t message, uint32_t wParam, uint32_t lParam);
};

#if defined(__GNUC__)
#define DEVBRIDGE_EXPORT __attribute__((visibility("default")))
#else
#define DEVBRIDGE_EXPORT
#endif

/* Starts watching for the keyboard; from now on events and arrival/removal
 * are posted to `window` until Close_DevMonitor. */
DEVBRIDGE_EXPORT int Open_DevMonitor(DevBridgeSink *window, uint32_t eventMessage, uint32_t deviceMessage);
/* Opens the keyboard for feature reports; non-zero when it is present. */
DEVBRIDGE_EXPORT int Open_FeatureDevice(void);
/* Closes the feature access; waits for a report in flight to finish. */
DEVBRIDGE_EXPORT int Close_FeatureDevice(void);
/* Stops watching; no message is posted after it returns. */
DEVBRIDGE_EXPORT int Close_DevMonitor(void);
/* Sends a feature report; report[0] is the report id. */
DEVBRIDGE_EXPORT int SetFeature(uint8_t *report, uint32_t length);
/* Reads a feature report; report[0] is the report id on entry. On success
 * the buffer holds `length` bytes of reply (zero-filled past a shorter one),
 * report[0] again the id. */
DEVBRIDGE_EXPORT int GetFeature(uint8_t *report, uint32_t length);

/* Function types for dlsym callers. */
typedef int (*Open_DevMonitor_fn)(DevBridgeSink *, uint32_t, uint32_t);
typedef int (*Open_FeatureDevice_fn)(void);
typedef int (*Close_FeatureDevice_fn)(void);
typedef int (*Close_DevMonitor_fn)(void);
typedef int (*SetFeature_fn)(uint8_t *, uint32_t);
typedef int (*GetFeature_fn)(uint8_t *, uint32_t);

#ifdef __cplusplus
}
#endif

#endif
