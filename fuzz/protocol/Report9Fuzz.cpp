// Macro replies (report 9) of any length and content: the decoded slot
// always holds a well-formed macro, and sending it back stays in bounds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "protocol/FeatureReports.h"

using namespace orvyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const int p = size > 2 ? data[2] % kProfileCount : 0;
    const int s = size > 3 ? data[3] % kKeyboardSlotCount : 0;
    const MacroNaming naming = size > 0 && (data[0] & 1) ? MacroNaming::NewName : MacroNaming::KeepName;
    MacroKeyInfo key;
    std::memset(&key, 0xA5, sizeof key);
    if (!decodeMacro(std::span<const uint8_t>(data, size), key, p, s, naming)) {
        if (size >= report_length::Macro)
            std::abort();
        return 0;
    }
    if (key.type != 3 || key.eventCount > kMacroEventCapacity)
        std::abort();
    if (std::memchr(key.macroName, '\0', sizeof key.macroName) == nullptr || key.macroName[0] == '\0')
        std::abort();
    for (int i = 0; i < kMacroEventCapacity; ++i) {
        const MacroEvent &e = key.events[i];
        if (i < key.eventCount && e.state != kEventPress && e.state != kEventRelease)
            std::abort();
        if (i >= key.eventCount && (e.key != 0 || e.state != 0 || e.delay != 0))
            std::abort();
    }
    const Report back = encodeMacro(key, p, s);
    if (back.length != report_length::Macro || back[29] > 50)
        std::abort();
    MacroKeyInfo again{};
    if (!decodeMacro(back.view(), again, p, s, MacroNaming::KeepName) || again.eventCount > key.eventCount)
        std::abort();
    return 0;
}
