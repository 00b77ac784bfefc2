// A devbridge "window" for tests: records every message the module posts,
// from any thread, and lets the test wait (bounded, only against a hang) for
// what it expects.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "devbridge/devbridge.h"

namespace orvyn::test {

struct Posted {
    uint32_t message, wParam, lParam;
    bool operator==(const Posted &) const = default;
};

struct RecordingSink {
    static constexpr auto kWaitLimit = std::chrono::seconds(10);

    DevBridgeSink base{&RecordingSink::post};
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<Posted> posted;

    static void post(DevBridgeSink *self, uint32_t message, uint32_t wParam, uint32_t lParam) {
        auto *sink = reinterpret_cast<RecordingSink *>(self);
        std::lock_guard lock(sink->mutex);
        sink->posted.push_back({message, wParam, lParam});
        sink->cv.notify_all();
    }
    // True once `p` has been posted.
    bool waitFor(const Posted &p) {
        std::unique_lock lock(mutex);
        return cv.wait_for(lock, kWaitLimit,
                           [&] { return std::find(posted.begin(), posted.end(), p) != posted.end(); });
    }
    // Everything posted once at least `count` messages arrived (or the limit passed).
    std::vector<Posted> waitForCount(std::size_t count) {
        std::unique_lock lock(mutex);
        cv.wait_for(lock, kWaitLimit, [&] { return posted.size() >= count; });
        return posted;
    }
    // What was posted so far; the record starts empty again.
    std::vector<Posted> take() {
        std::lock_guard lock(mutex);
        return std::exchange(posted, {});
    }
};

} // namespace orvyn::test
