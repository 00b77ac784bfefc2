// Host side of the emulator protocol: whatever the socket delivers is parsed
// and checked against every kind of request; HID input reports likewise.
#include <cstddef>
#include <cstdint>

#include "devbridge/HidMatching.h"
#include "protocol/EmulatorPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace orvyn;
    if (const auto packet = emu::parsePacket(data, size)) {
        (void)emu::eventOf(*packet);
        (void)emu::isValidRequest(*packet);
        const uint8_t id = size > 4 ? data[4] : 0;
        for (std::size_t length : {std::size_t{1}, std::size_t{3}, std::size_t{168}, packet->length})
            for (emu::Op op : {emu::Op::SetFeature, emu::Op::GetFeature})
                (void)emu::checkReply(*packet, op, id, length);
    }
    (void)emu::describePacket(data, size);
    (void)devbridge::parseInputReport(data, size);
    return 0;
}
