#include "platform/Text.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace orvyn {

std::string_view trim(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    // All blanks: an empty view at the text's end, never a null pointer
    // (callers copy from it).
    if (first == std::string_view::npos)
        return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        c = asciiLower(c);
    return out;
}

bool equalsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

char32_t nextCodePoint(std::string_view text, std::size_t &pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                                                    : 0;
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return lead;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return extra == 0 ? char32_t(lead) : cp;
}

char32_t foldCase(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<char32_t>(asciiLower(static_cast<char>(codePoint)));
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (!utf8)
        return codePoint;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(codePoint), utf8));
}

bool equalsFoldingCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

} // namespace orvyn
