// The access code report 17 carries and config.ini keeps: calendar seconds
// (u32 little-endian) and 12 zero bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvyn {

struct AccessCode {
    uint8_t bytes[16];
};
static_assert(sizeof(AccessCode) == 16);
static_assert(offsetof(AccessCode, bytes) == 0);

constexpr AccessCode makeAccessCode(uint32_t unixSeconds) {
    AccessCode code{};
    for (int i = 0; i < 4; ++i)
        code.bytes[i] = static_cast<uint8_t>(unixSeconds >> (8 * i));
    return code;
}

} // namespace orvyn
