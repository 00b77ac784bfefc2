// How values are written in the settings files: structures as hex digits
// with a checksum, numbers as the platform parses them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvyn {

// Structure encoding of a block: two upper-case hex digits per byte, then a
// checksum byte (sum of all bytes mod 256), also as two digits.
std::string encodeBlock(const void *data, std::size_t size);
// True and fills `out` only when `text` has exactly 2*size+2 hex digits and
// the checksum matches.
bool decodeBlock(std::string_view text, void *out, std::size_t size);

// Number as the platform parses it: blanks, optional sign, leading decimal
// digits (none = 0). Saturates at the int32 range.
int32_t parseIniNumber(std::string_view text);

} // namespace orvyn
