#include "platform/Trace.h"

#include <cerrno>
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

namespace {

std::mutex &stderrMutex() {
    static std::mutex mutex;
    return mutex;
}

} // namespace

void trace(std::string_view text) {
    if (!traceEnabled())
        return;
    std::lock_guard lock(stderrMutex());
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void warn(std::string_view text) {
    std::lock_guard lock(stderrMutex());
    std::fprintf(stderr, "%s: ", program_invocation_short_name);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

} // namespace orvyn
