#include "platform/CallWithin.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace orvyn {

bool callWithin(std::function<void()> call, std::chrono::milliseconds limit) {
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        bool returned = false;
    };
    auto state = std::make_shared<State>();
    try {
        std::thread([state, call = std::move(call)] {
            call();
            {
                std::lock_guard lock(state->mutex);
                state->returned = true;
            }
            state->done.notify_all();
        }).detach();
    } catch (const std::system_error &) {
        return false; // no thread: the call was not made
    }
    std::unique_lock lock(state->mutex);
    return state->done.wait_for(lock, limit, [&] { return state->returned; });
}

} // namespace orvyn
