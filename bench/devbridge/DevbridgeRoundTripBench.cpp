// A SET+GET round trip through devbridge.so, served by an in-process
// keyboard model (no busy time, no log): over the emulator socket, and over
// the distribution's hidapi to a hidraw node of a umockdev testbed (run
// under LD_PRELOAD=libumockdev-preload.so.0; without it that half is
// skipped). The emulator's target is a median of at most 0.2 ms, so that
// timings of the host's report sequences are the protocol's own pauses and
// nothing else; the hid figure shows what the real transport adds.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "devbridge/devbridge.h"
#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "platform/Module.h"
#include "support/HidTestbed.h"

namespace {

using namespace orvyn;

enum class Transport { Emulator, Hid };

struct Setup {
    std::string dir;
    RealClock clock;
    std::unique_ptr<KeyboardModel> model;
    std::unique_ptr<EmulatorServer> server;
    std::unique_ptr<test::HidTestbed> testbed;
    LoadedModule module;
    SetFeature_fn set = nullptr;
    GetFeature_fn get = nullptr;
    bool ok = false;

    explicit Setup(Transport transport) {
        char tmpl[] = "/tmp/devbridge-bench-XXXXXX";
        if (!mkdtemp(tmpl))
            return;
        dir = tmpl;
        model = std::make_unique<KeyboardModel>(clock);
        // Each transport loads its own copy of the module: the backend is
        // chosen once per loaded module.
        const std::string copy = dir + "/devbridge.so";
        std::error_code failed;
        std::filesystem::copy_file(std::string(ORVYN_PROGRAM_DIR) + "devbridge.so", copy, failed);
        if (transport == Transport::Emulator) {
            const std::string socket = dir + "/keyboard.sock";
            setenv("ORVYN_KEYBOARD", "emulator", 1);
            setenv("ORVYN_KEYBOARD_SOCKET", socket.c_str(), 1);
            server = std::make_unique<EmulatorServer>(*model, clock, socket);
            if (!server->start())
                return;
        } else {
            setenv("ORVYN_KEYBOARD", "hid", 1);
            setenv("ORVYN_VANTOR_HOME", dir.c_str(), 1); // the default ids
            try {
                testbed = std::make_unique<test::HidTestbed>();
                testbed->plug(DEVBRIDGE_DEFAULT_VENDOR_ID, DEVBRIDGE_DEFAULT_PRODUCT_ID,
                              {{HidrawInterface::Vendor, model.get()}});
            } catch (const std::exception &) {
                return;
            }
        }
        if (failed || !module.open(copy))
            return;
        set = module.function<SetFeature_fn>("SetFeature");
        get = module.function<GetFeature_fn>("GetFeature");
        auto open = module.function<Open_FeatureDevice_fn>("Open_FeatureDevice");
        ok = set && get && open && open() == 1;
    }
    ~Setup() {
        if (auto close = module.function<Close_FeatureDevice_fn>("Close_FeatureDevice"))
            close();
        server.reset();
        testbed.reset();
        if (!dir.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    }
};

// The transport's keyboard, or none (the run skipped).
Setup *setup(benchmark::State &state, Transport transport) {
    static Setup emulator(Transport::Emulator);
    Setup *s = &emulator;
    if (transport == Transport::Hid) {
        static Setup hid(Transport::Hid);
        s = &hid;
    }
    if (!s->ok)
        state.SkipWithError("no keyboard (hid: run under LD_PRELOAD=libumockdev-preload.so.0)");
    return s->ok ? s : nullptr;
}

void BM_SetGetStatus(benchmark::State &state, Transport transport) {
    Setup *s = setup(state, transport);
    if (!s)
        return;
    uint8_t polling[8] = {11, 8, 0, 2, 0, 0, 0, 0};
    uint8_t status[3] = {4, 0, 0};
    for (auto _ : state) {
        if (!s->set(polling, sizeof polling) || !s->get(status, sizeof status)) {
            state.SkipWithError("report failed");
            break;
        }
        status[0] = 4;
    }
}

void BM_SetGetKeyMatrix(benchmark::State &state, Transport transport) {
    Setup *s = setup(state, transport);
    if (!s)
        return;
    uint8_t matrix[168] = {6, 168, 1};
    uint8_t request[3] = {4, 1, 64};
    if (!s->set(request, sizeof request)) {
        state.SkipWithError("request failed");
        return;
    }
    uint8_t reply[168];
    for (auto _ : state) {
        reply[0] = 6;
        if (!s->set(matrix, sizeof matrix) || !s->get(reply, sizeof reply)) {
            state.SkipWithError("report failed");
            break;
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    for (const auto &[bench, run] :
         {std::pair{"BM_SetGetStatus/", &BM_SetGetStatus}, {"BM_SetGetKeyMatrix/", &BM_SetGetKeyMatrix}})
        for (const auto &[name, transport] :
             {std::pair{"emulator", Transport::Emulator}, {"hid", Transport::Hid}})
            benchmark::RegisterBenchmark((std::string(bench) + name).c_str(), run, transport)
                ->Repetitions(9)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
