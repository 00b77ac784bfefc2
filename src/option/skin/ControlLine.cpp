#include "option/skin/ControlLine.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/Text.h"

namespace orvyn {

namespace {

constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int32_t clampToInt(int64_t v) {
    return static_cast<int32_t>(std::clamp(v, kIntMin, kIntMax));
}

// One "%d": blanks, optional sign, at least one digit. Saturates at the
// 32-bit range. Advances `pos` past what it read; false when no digit.
bool readInt(std::string_view text, std::size_t &pos, int32_t &out) {
    std::size_t p = pos;
    while (p < text.size() && isBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    const std::size_t digitsStart = p;
    int64_t value = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        if (value <= kIntMax + 1)
            value = value * 10 + (text[p] - '0');
        ++p;
    }
    if (p == digitsStart)
        return false;
    out = clampToInt(negative ? -value : value);
    pos = p;
    return true;
}

void copyField(char *field, std::size_t maxChars, std::string_view text) {
    const std::size_t n = std::min(maxChars, text.size());
    if (n > 0)
        std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

} // namespace

ControlPlacement ParseControlLine(std::string_view line) {
    ControlPlacement placement;
    std::memset(&placement, 0, sizeof placement);

    // A zero byte ends the text, as it would in a C string.
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
        line = line.substr(0, nul);

    const std::size_t firstComma = line.find(',');
    copyField(placement.name, kControlNameMax, line.substr(0, firstComma));
    if (firstComma == std::string_view::npos)
        return placement;

    const std::string_view rest = line.substr(firstComma + 1);
    int32_t numbers[4] = {0, 0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            // The literal comma of the pattern must follow at once.
            if (pos >= rest.size() || rest[pos] != ',')
                break;
            ++pos;
        }
        if (!readInt(rest, pos, numbers[i]))
            break;
    }
    placement.left = numbers[0];
    placement.top = numbers[1];
    placement.right = clampToInt(int64_t{numbers[0]} + numbers[2]);
    placement.bottom = clampToInt(int64_t{numbers[1]} + numbers[3]);

    if (const std::size_t lastComma = rest.rfind(','); lastComma != std::string_view::npos)
        copyField(placement.help, kControlHelpMax, trim(rest.substr(lastComma + 1), kAsciiWhitespace));
    return placement;
}

} // namespace orvyn
