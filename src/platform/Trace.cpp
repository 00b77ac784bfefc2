#include "platform/Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace orvyn {

bool traceEnabled() {
    static const bool enabled = [] {
        const char *v = std::getenv("ORVYN_TRACE");
        return v && std::strcmp(v, "1") == 0;
    }();
    return enabled;
}

void trace(std::string_view text) {
    if (!traceEnabled())
        return;
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

} // namespace orvyn
