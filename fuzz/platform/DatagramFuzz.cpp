// Any bytes may arrive at an endpoint: decoding must never read out of
// bounds, and whatever it accepts must encode back to the same bytes.
#include "platform/Datagram.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const auto message = orvyn::decodeDatagram(std::span<const uint8_t>(data, size));
    if (!message)
        return 0;
    const auto again = orvyn::encodeDatagram(*message);
    if (!again || again->size() != size || std::memcmp(again->data(), data, size) != 0)
        std::abort();
    return 0;
}
