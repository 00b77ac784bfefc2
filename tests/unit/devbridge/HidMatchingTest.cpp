#include "devbridge/HidMatching.h"

#include <gtest/gtest.h>

#include "devbridge/devbridge.h"
#include "shared/IniFile.h"

namespace orvyn::devbridge {
namespace {

HidDeviceInfo dev(std::string path, uint16_t page, int iface, uint16_t vid = 0x1209, uint16_t pid = 0x0001) {
    HidDeviceInfo d;
    d.path = std::move(path);
    d.vendorId = vid;
    d.productId = pid;
    d.usagePage = page;
    d.usage = 1;
    d.interfaceNumber = iface;
    return d;
}

const DeviceIds kIds{0x1209, 0x0001, 1};

TEST(HidMatching, VendorUsagePageWinsEvenWhenListedSecondForAPath) {
    // hidapi lists one entry per top-level collection: the keyboard page of
    // hidraw1 first, its vendor page second.
    const std::vector<HidDeviceInfo> list = {dev("/dev/hidraw0", 0x01, 0), dev("/dev/hidraw1", 0x0C, 1),
                                             dev("/dev/hidraw1", 0xFF31, 1), dev("/dev/hidraw0", 0x01, 0)};
    const auto pick = pickKeyboard(list, kIds);
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->path, "/dev/hidraw1");
    EXPECT_EQ(pick->usagePage, 0xFF31);
}

TEST(HidMatching, WithoutVendorPageTheConfiguredInterfaceThenTheFirstPath) {
    EXPECT_EQ(
        pickKeyboard({dev("/dev/hidraw7", 1, 0), dev("/dev/hidraw3", 1, 2), dev("/dev/hidraw5", 1, 1)}, kIds)
            ->path,
        "/dev/hidraw5");
    EXPECT_EQ(pickKeyboard({dev("/dev/hidraw7", 1, 0), dev("/dev/hidraw3", 1, 2)}, kIds)->path,
              "/dev/hidraw3");
}

TEST(HidMatching, OtherDevicesAreNeverPicked) {
    EXPECT_FALSE(pickKeyboard({}, kIds));
    EXPECT_FALSE(pickKeyboard({dev("/dev/hidraw0", 0xFF00, 1, 0x1234, 0x0001),
                               dev("/dev/hidraw1", 0xFF00, 1, 0x1209, 0x0002), dev("", 0xFF00, 1)},
                              kIds));
    EXPECT_EQ(
        pickKeyboard({dev("/dev/hidraw0", 0xFF00, 1, 0x1234, 0x0001), dev("/dev/hidraw2", 1, 0)}, kIds)->path,
        "/dev/hidraw2");
}

TEST(HidMatching, DeviceIdsComeFromConfigWithDefaultsForBadValues) {
    const DeviceIds defaults = readDeviceIds(IniDocument{});
    EXPECT_EQ(defaults.vendorId, DEVBRIDGE_DEFAULT_VENDOR_ID);
    EXPECT_EQ(defaults.productId, DEVBRIDGE_DEFAULT_PRODUCT_ID);
    EXPECT_EQ(defaults.interfaceNumber, DEVBRIDGE_DEFAULT_INTERFACE);

    const auto ids =
        readDeviceIds(IniDocument::parse("[Device]\nVendorId = 0x04D9\nProductId=4660\nInterface=2\n"));
    EXPECT_EQ(ids.vendorId, 0x04D9);
    EXPECT_EQ(ids.productId, 4660);
    EXPECT_EQ(ids.interfaceNumber, 2);

    const auto bad =
        readDeviceIds(IniDocument::parse("[Device]\nVendorId=0x10000\nProductId=12abc\nInterface=-1\n"));
    EXPECT_EQ(bad.vendorId, DEVBRIDGE_DEFAULT_VENDOR_ID);
    EXPECT_EQ(bad.productId, DEVBRIDGE_DEFAULT_PRODUCT_ID);
    EXPECT_EQ(bad.interfaceNumber, DEVBRIDGE_DEFAULT_INTERFACE);
    EXPECT_FALSE(parseIdNumber("0x", 0xFFFF));
    EXPECT_FALSE(parseIdNumber("", 0xFFFF));
    EXPECT_EQ(parseIdNumber(" 65535 ", 0xFFFF), 65535);
}

TEST(HidMatching, InputReportsBecomeEventsOnlyWhenWellFormed) {
    const uint8_t profile[] = {DEVBRIDGE_EVENT_REPORT_ID, 0x00, 0x10, 0x03, 0x00, 0xEE, 0xEE, 0xEE};
    const auto e = parseInputReport(profile, sizeof profile);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, 0x1000);
    EXPECT_EQ(e->data, 3);
    const uint8_t media[] = {DEVBRIDGE_EVENT_REPORT_ID, 0x00, 0x60, 0x24, 0x01};
    EXPECT_EQ(parseInputReport(media, sizeof media)->data, 0x0124);

    const uint8_t shortReport[] = {DEVBRIDGE_EVENT_REPORT_ID, 0x00, 0x10, 0x03};
    EXPECT_FALSE(parseInputReport(shortReport, sizeof shortReport));
    const uint8_t otherId[] = {0x01, 0x00, 0x10, 0x03, 0x00};
    EXPECT_FALSE(parseInputReport(otherId, sizeof otherId));
    for (uint16_t type : {0x0000, 0x0FFF, 0x1001, 0x8000, 0xF000}) {
        const uint8_t r[] = {DEVBRIDGE_EVENT_REPORT_ID, uint8_t(type & 0xFF), uint8_t(type >> 8), 1, 0};
        EXPECT_FALSE(parseInputReport(r, sizeof r)) << type;
    }
    EXPECT_FALSE(parseInputReport(nullptr, 5));
}

} // namespace
} // namespace orvyn::devbridge
