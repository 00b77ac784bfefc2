// Speed of the shared block copies and of posting a message.
//   publish / take of the 84892-byte block: target <= 50 us median
//   posting one datagram to an endpoint:    target <= 20 us median
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

// Times each operation on its own so the median of single operations can be
// reported next to Google Benchmark's mean.
class PerOperation {
public:
    void start() { begin_ = std::chrono::steady_clock::now(); }
    void stop() { samples_.push_back(std::chrono::steady_clock::now() - begin_); }
    void report(benchmark::State &state) {
        if (samples_.empty())
            return;
        auto mid = samples_.begin() + static_cast<std::ptrdiff_t>(samples_.size() / 2);
        std::nth_element(samples_.begin(), mid, samples_.end());
        state.counters["median_us"] = std::chrono::duration<double, std::micro>(*mid).count();
    }

private:
    std::chrono::steady_clock::time_point begin_;
    std::vector<std::chrono::steady_clock::duration> samples_;
};

// A private runtime folder for the run.
struct Runtime {
    Runtime() {
        char pattern[] = "/tmp/ovbXXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("mkdtemp");
        base = pattern;
        folder = orvyn::prepareRuntimeFolder(base + "/orvyn-vantor").path;
        if (folder.empty())
            throw std::runtime_error("runtime folder");
    }
    ~Runtime() { std::filesystem::remove_all(base); }
    std::string base, folder;
};

void BM_PublishBlock(benchmark::State &state) {
    Runtime rt;
    orvyn::SharedConfigBlock monitor;
    monitor.create(rt.folder);
    auto config = std::make_unique<orvyn::ConfigBlock>();
    std::memset(config.get(), 0x5A, sizeof *config);
    PerOperation timing;
    for (auto _ : state) {
        timing.start();
        if (!monitor.publish(*config))
            state.SkipWithError("publish failed");
        benchmark::ClobberMemory();
        timing.stop();
    }
    timing.report(state);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof *config));
}

void BM_TakeBlock(benchmark::State &state) {
    Runtime rt;
    orvyn::SharedConfigBlock monitor;
    monitor.create(rt.folder);
    orvyn::SharedConfigBlock option;
    option.open(rt.folder);
    auto config = std::make_unique<orvyn::ConfigBlock>();
    PerOperation timing;
    for (auto _ : state) {
        timing.start();
        if (!option.take(*config))
            state.SkipWithError("take failed");
        benchmark::DoNotOptimize(config->CurrentProfile);
        benchmark::ClobberMemory();
        timing.stop();
    }
    timing.report(state);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof *config));
}

// The receiving queue holds only a few datagrams: every few posts the
// clock is paused while the receiver drains, so each timed post is one
// delivered datagram.
void BM_PostDatagram(benchmark::State &state) {
    Runtime rt;
    orvyn::Endpoint endpoint;
    if (endpoint.bind(rt.folder, orvyn::kOptionTitle) != orvyn::BindResult::Bound) {
        state.SkipWithError("bind failed");
        return;
    }
    orvyn::EndpointPoster poster(rt.folder);
    PerOperation timing;
    int queued = 0;
    for (auto _ : state) {
        timing.start();
        const bool posted = poster.post(orvyn::kOptionTitle, orvyn::WM_LIGHTING_CHANGED);
        timing.stop();
        if (!posted) {
            state.SkipWithError("post refused");
            break;
        }
        if (++queued == 8) {
            state.PauseTiming();
            endpoint.receive();
            queued = 0;
            state.ResumeTiming();
        }
    }
    timing.report(state);
}

} // namespace

BENCHMARK(BM_PublishBlock)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TakeBlock)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PostDatagram)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
