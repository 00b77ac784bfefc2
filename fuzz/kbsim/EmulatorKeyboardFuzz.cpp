// Keyboard side of the emulator protocol: the input is a stream of packets
// (each prefixed by a one-byte size) that the emulator parses and, when they
// are requests, serves from its keyboard model.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "kbsim/KeyboardModel.h"
#include "protocol/EmulatorPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace orvyn;
    VirtualClock clock;
    KeyboardModel model(clock);
    model.setBusyTime(Millis{300});
    std::size_t at = 0;
    while (at < size) {
        const std::size_t n = std::min<std::size_t>(data[at], size - at - 1);
        const uint8_t *bytes = data + at + 1;
        at += 1 + n;
        (void)emu::describePacket(bytes, n);
        const auto packet = emu::parsePacket(bytes, n);
        if (!packet || !emu::isValidRequest(*packet))
            continue;
        if (packet->op == emu::Op::SetFeature) {
            model.setFeature(packet->payload, packet->length);
        } else {
            std::vector<uint8_t> buffer(packet->payload, packet->payload + packet->length);
            model.getFeature(buffer.data(), buffer.size());
        }
        clock.sleep(Millis{100});
    }
    (void)model.describe();
    return 0;
}
