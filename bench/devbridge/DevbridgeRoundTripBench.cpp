// A SET+GET round trip through devbridge.so and the emulator socket, served
// by an in-process emulated keyboard (no busy time, no log). The target is a
// median of at most 0.2 ms, so that timings of the host's report sequences
// are the protocol's own pauses and nothing else.
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

namespace {

using namespace orvyn;

struct Setup {
    std::string dir;
    RealClock clock;
    std::unique_ptr<KeyboardModel> model;
    std::unique_ptr<EmulatorServer> server;
    LoadedModule module;
    SetFeature_fn set = nullptr;
    GetFeature_fn get = nullptr;
    bool ok = false;

    Setup() {
        char tmpl[] = "/tmp/devbridge-bench-XXXXXX";
        if (!mkdtemp(tmpl))
            return;
        dir = tmpl;
        const std::string socket = dir + "/keyboard.sock";
        setenv("ORVYN_KEYBOARD", "emulator", 1);
        setenv("ORVYN_KEYBOARD_SOCKET", socket.c_str(), 1);
        model = std::make_unique<KeyboardModel>(clock);
        server = std::make_unique<EmulatorServer>(*model, clock, socket);
        if (!server->start() || !module.open(std::string(ORVYN_PROGRAM_DIR) + "devbridge.so"))
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
        if (!dir.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    }
};

Setup &setup() {
    static Setup s;
    return s;
}

void BM_SetGetStatus(benchmark::State &state) {
    Setup &s = setup();
    if (!s.ok) {
        state.SkipWithError("no emulated keyboard");
        return;
    }
    uint8_t polling[8] = {11, 8, 0, 2, 0, 0, 0, 0};
    uint8_t status[3] = {4, 0, 0};
    for (auto _ : state) {
        if (!s.set(polling, sizeof polling) || !s.get(status, sizeof status)) {
            state.SkipWithError("report failed");
            break;
        }
        status[0] = 4;
    }
}
BENCHMARK(BM_SetGetStatus)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_SetGetKeyMatrix(benchmark::State &state) {
    Setup &s = setup();
    if (!s.ok) {
        state.SkipWithError("no emulated keyboard");
        return;
    }
    uint8_t matrix[168] = {6, 168, 1};
    uint8_t request[3] = {4, 1, 64};
    if (!s.set(request, sizeof request)) {
        state.SkipWithError("request failed");
        return;
    }
    uint8_t reply[168];
    for (auto _ : state) {
        reply[0] = 6;
        if (!s.set(matrix, sizeof matrix) || !s.get(reply, sizeof reply)) {
            state.SkipWithError("report failed");
            break;
        }
    }
}
BENCHMARK(BM_SetGetKeyMatrix)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
