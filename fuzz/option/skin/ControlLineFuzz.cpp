// Any text as a control line: fields stay inside their records, always
// zero-terminated, and the rectangle's sums never wrap.
#include "option/skin/ControlLine.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const orvyn::ControlPlacement p = orvyn::ParseControlLine(text);
    if (std::memchr(p.name, '\0', sizeof p.name) == nullptr ||
        std::memchr(p.help, '\0', sizeof p.help) == nullptr)
        std::abort();
    if (std::strlen(p.name) > orvyn::kControlNameMax || std::strlen(p.help) > orvyn::kControlHelpMax)
        std::abort();
    // A zero-filled record stays zero past the texts.
    for (std::size_t i = std::strlen(p.help); i < sizeof p.help; ++i)
        if (p.help[i] != '\0')
            std::abort();
    return 0;
}
