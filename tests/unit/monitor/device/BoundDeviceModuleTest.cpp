#include "monitor/device/BoundDeviceModule.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "protocol/FeatureReports.h"

namespace orvyn {
namespace {

const std::string kModules = FAKE_MODULE_DIR;

// The fake's own call counter, read through a handle of our own (which also
// keeps the module and its counter alive across the binding's load/unload).
class CallCounter {
public:
    explicit CallCounter(const std::string &path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~CallCounter() {
        if (handle_)
            dlclose(handle_);
    }
    bool ok() const { return handle_ != nullptr; }
    int calls() const { return reinterpret_cast<int (*)()>(dlsym(handle_, "fake_call_count"))(); }

private:
    void *handle_;
};

void expectNothingWorks(BoundDeviceModule &lib) {
    EXPECT_FALSE(lib.isBound());
    uint8_t report[3] = {4, 0, 0};
    EXPECT_FALSE(lib.openDevMonitor(nullptr, 1325, 1326));
    EXPECT_FALSE(lib.openFeatureDevice());
    EXPECT_FALSE(lib.setFeature(report, 3));
    EXPECT_FALSE(lib.getFeature(report, 3));
    lib.closeFeatureDevice();
    lib.closeDevMonitor();
}

TEST(BoundDeviceModule, WithoutTheModuleThereIsNoKeyboard) {
    BoundDeviceModule lib;
    EXPECT_FALSE(lib.load(kModules + "absent/"));
    EXPECT_FALSE(lib.error().empty());
    expectNothingWorks(lib);
}

// A FIFO in the module's place (no writer) is refused at once: the loader's
// own open would wait for a writer forever.
TEST(BoundDeviceModule, AFifoInTheModulesPlaceIsRefusedWithoutWaiting) {
    char folder[] = "/tmp/orvyn-module-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/devbridge.so";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    BoundDeviceModule lib;
    EXPECT_FALSE(lib.loadModule(path));
    EXPECT_EQ(lib.error(), path + ": is not a regular file");
    expectNothingWorks(lib);
    ::unlink(path.c_str());
    ::rmdir(folder);
}

TEST(BoundDeviceModule, AModuleMissingOneNameIsNotCalledAtAll) {
    const std::string path = kModules + "partial/devbridge.so";
    CallCounter counter(path);
    ASSERT_TRUE(counter.ok()) << dlerror();
    BoundDeviceModule lib;
    EXPECT_FALSE(lib.loadModule(path));
    EXPECT_NE(lib.error().find("GetFeature"), std::string::npos) << lib.error();
    expectNothingWorks(lib);
    EXPECT_EQ(counter.calls(), 0);
}

struct SinkRecord {
    DevBridgeSink sink;
    std::vector<uint32_t> posted;
};

TEST(BoundDeviceModule, AWholeModuleIsBoundByName) {
    const std::string folder = kModules + "full/";
    CallCounter counter(folder + "devbridge.so");
    ASSERT_TRUE(counter.ok()) << dlerror();
    BoundDeviceModule lib;
    ASSERT_TRUE(lib.load(folder)) << lib.error();
    EXPECT_TRUE(lib.isBound());

    SinkRecord record{{[](DevBridgeSink *self, uint32_t message, uint32_t wParam, uint32_t lParam) {
                          auto *r = reinterpret_cast<SinkRecord *>(self);
                          r->posted.insert(r->posted.end(), {message, wParam, lParam});
                      }},
                      {}};
    EXPECT_TRUE(lib.openDevMonitor(&record.sink, 1325, 1326));
    EXPECT_EQ(record.posted, (std::vector<uint32_t>{1325, 0x7000, 1326}));
    EXPECT_TRUE(lib.openFeatureDevice());

    Report lighting = makeReadBuffer(report_id::Lighting, report_length::Lighting);
    EXPECT_TRUE(lib.setFeature(lighting.data(), lighting.length));
    lighting[1] = 0xEE;
    EXPECT_FALSE(lib.setFeature(lighting.data(), lighting.length));
    Report reply = makeReadBuffer(report_id::KeyMatrix, report_length::KeyMatrix);
    ASSERT_TRUE(lib.getFeature(reply.data(), reply.length));
    EXPECT_EQ(reply[0], report_id::KeyMatrix);
    EXPECT_EQ(reply[167], 167);
    lib.closeDevMonitor();
    lib.closeFeatureDevice();
    EXPECT_EQ(counter.calls(), 7);

    lib.unload();
    expectNothingWorks(lib);
    EXPECT_EQ(counter.calls(), 7);
}

} // namespace
} // namespace orvyn
