#include "protocol/EmulatorSocket.h"

#include <cstdlib>

#include "platform/Folders.h"
#include "platform/Trace.h"

namespace orvyn {

std::string defaultEmulatorSocketPath() {
    const char *env = std::getenv("ORVYN_KEYBOARD_SOCKET");
    if (env && *env)
        return env;
    const RuntimeFolder runtime = runtimeFolder();
    if (!runtime.ok()) {
        trace("devbridge: " + runtime.error);
        return {};
    }
    return runtime.path + "keyboard.sock";
}

} // namespace orvyn
