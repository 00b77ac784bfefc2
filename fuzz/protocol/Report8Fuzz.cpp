// Key-assignment replies (report 8) of any length and content.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "protocol/FeatureReports.h"

using namespace orvyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ProfileData first{};
    if (!decodeAssignments(std::span<const uint8_t>(data, size), first)) {
        if (size >= report_length::Assignments)
            std::abort(); // a whole reply must be taken
        return 0;
    }
    // The type byte is kept as received.
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        if (first.keys[k].type != data[3 + 3 * k])
            std::abort();
    }
    // Decoding keeps only what report 8 carries: sending the result and
    // reading it again changes nothing.
    const Report again = encodeAssignments(first, 0);
    ProfileData second{};
    if (!decodeAssignments(again.view(), second))
        std::abort();
    for (int k = 0; k < kKeyboardSlotCount; ++k) {
        const MacroKeyInfo &a = first.keys[k];
        const MacroKeyInfo &b = second.keys[k];
        if (a.type != b.type || a.flags != b.flags || a.code != b.code)
            std::abort();
    }
    return 0;
}
