// devbridge.so with its default hid backend on a machine without the
// keyboard: the real hidapi/udev paths run, find nothing and say so.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "devbridge/devbridge.h"
#include "platform/Module.h"

namespace orvyn {
namespace {

void post(DevBridgeSink *, uint32_t, uint32_t, uint32_t) {}

TEST(DevbridgeHid, WithoutTheKeyboardNothingOpensAndNothingIsSent) {
    char tmpl[] = "/tmp/devbridge-hid-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    unsetenv("ORVYN_KEYBOARD");
    setenv("ORVYN_VANTOR_HOME", dir.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    // Ids no device has.
    std::ofstream(dir + "/config.ini") << "[Device]\nVendorId=0xFFFF\nProductId=0xFFFE\n";

    LoadedModule module;
    ASSERT_TRUE(module.open(std::string(ORVYN_PROGRAM_DIR) + "devbridge.so")) << module.error();
    auto openMonitor = module.function<Open_DevMonitor_fn>("Open_DevMonitor");
    auto openFeature = module.function<Open_FeatureDevice_fn>("Open_FeatureDevice");
    auto closeFeature = module.function<Close_FeatureDevice_fn>("Close_FeatureDevice");
    auto closeMonitor = module.function<Close_DevMonitor_fn>("Close_DevMonitor");
    auto set = module.function<SetFeature_fn>("SetFeature");
    auto get = module.function<GetFeature_fn>("GetFeature");
    ASSERT_TRUE(openMonitor && openFeature && closeFeature && closeMonitor && set && get);

    DevBridgeSink sink{&post};
    EXPECT_EQ(openMonitor(&sink, 1325, 1326), 1);
    EXPECT_EQ(openFeature(), 0);
    uint8_t report[3] = {5, 3, 0};
    EXPECT_EQ(set(report, sizeof report), 0);
    EXPECT_EQ(get(report, sizeof report), 0);
    EXPECT_EQ(closeMonitor(), 1);
    EXPECT_EQ(closeFeature(), 1);
    module.close();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

} // namespace
} // namespace orvyn
