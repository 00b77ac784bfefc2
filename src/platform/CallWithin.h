// A call that may never return (a device module stuck in the kernel), made
// with a limit on how long the caller waits for it.
#pragma once

#include <chrono>
#include <functional>

namespace orvyn {

// Runs `call` on a thread of its own and waits at most `limit` for it.
// False when it did not return in time (or no thread could be started, in
// which case the call was not made); the thread then finishes alone and must
// touch nothing that its caller is about to free.
bool callWithin(std::function<void()> call, std::chrono::milliseconds limit);

} // namespace orvyn
