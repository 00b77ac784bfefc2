#include "shared/IniValues.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/Text.h"

namespace orvyn {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string encodeBlock(const void *data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    const auto *bytes = static_cast<const uint8_t *>(data);
    std::string out;
    out.reserve(size * 2 + 2);
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
        sum += bytes[i];
    }
    out += digits[(sum >> 4) & 15];
    out += digits[sum & 15];
    return out;
}

bool decodeBlock(std::string_view text, void *out, std::size_t size) {
    if (size > (SIZE_MAX - 2) / 2 || text.size() != size * 2 + 2)
        return false;
    // Decode into a scratch buffer first: the destination is only filled by
    // a value that is valid as a whole.
    std::vector<uint8_t> bytes(size + 1);
    unsigned sum = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        const int hi = hexDigit(text[2 * i]);
        const int lo = hexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes[i] = static_cast<uint8_t>(hi * 16 + lo);
        if (i < size)
            sum += bytes[i];
    }
    if ((sum & 0xFF) != bytes[size])
        return false;
    if (size)
        std::memcpy(out, bytes.data(), size);
    return true;
}

int32_t parseIniNumber(std::string_view text) {
    text = trim(text, kSpaceAndTab);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1)
            value = static_cast<int64_t>(INT32_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace orvyn
